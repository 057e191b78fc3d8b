#include "app/ui/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/CommandIcons.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Daubrix"));
    auto* icon = new QLabel;
    icon->setPixmap(QPixmap::fromImage(CommandIcons::PaintProgramIcon(48)));
    icon->setAlignment(Qt::AlignTop);
    auto* name = new QLabel(QStringLiteral("<b>Daubrix</b>"));
    auto* version = new QLabel(QStringLiteral("version 1.01"));
    version->setObjectName(QStringLiteral("version"));
    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addLayout(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}
