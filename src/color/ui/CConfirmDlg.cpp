#include "color/ui/CConfirmDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CConfirmDlg::CConfirmDlg(Question question, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Confirm"));
    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    auto* text = new QLabel(Text(question), this);
    auto* yes = new QPushButton(tr("Yes"), this);
    auto* no = new QPushButton(tr("No"), this);
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

QString CConfirmDlg::Text(Question question)
{
    switch (question) {
    case Question::DeleteColor: return tr("Delete color?");
    case Question::DeleteAllColors: return tr("Delete all colors?");
    case Question::ClearDrawing: return tr("Clear the drawing?");
    }
    return {};
}

bool CConfirmDlg::Ask(Question question, QWidget* parent)
{
    CConfirmDlg dialog(question, parent);
    return dialog.exec() == QDialog::Accepted;
}
