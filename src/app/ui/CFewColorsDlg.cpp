#include "app/ui/CFewColorsDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

QString CFewColorsDlg::Text()
{
    return QStringLiteral("The current display mode is 8-bit (256 colors) or less.\n\n")
           + QStringLiteral("Daubrix was designed to be run in display modes of greater than "
                            "256 colors, so the colors displayed in the current mode will be a "
                            "very poor approximation, and some features must be disabled.\n\n")
           + QStringLiteral("To see everything the way it was intended to be seen, please exit "
                            "Daubrix, switch to a 16, 24, or 32-bit display mode, and run "
                            "Daubrix again.");
}

CFewColorsDlg::CFewColorsDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Too Few Colors!"));
    auto* icon = new QLabel;
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(Text());
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* proceed = new QPushButton(QStringLiteral("Continue"));
    proceed->setDefault(true);
    connect(proceed, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(proceed, 0, Qt::AlignHCenter);
}
