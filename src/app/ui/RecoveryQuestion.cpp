#include "app/ui/RecoveryQuestion.h"

#include <QMessageBox>
#include <QPushButton>

QString RecoveryQuestion::Text(int count)
{
    return QStringLiteral("Daubrix did not close normally. Recover %1 drawing(s)?").arg(count);
}

RecoveryQuestion::Answer RecoveryQuestion::Ask(QWidget* parent, int count)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Recover Drawings"), Text(count),
                    QMessageBox::NoButton, parent);
    QPushButton* recover = box.addButton(QStringLiteral("&Recover"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
    QPushButton* later = box.addButton(QStringLiteral("&Later"), QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == recover)
        return Answer::Recover;
    return box.clickedButton() == discard ? Answer::Discard : Answer::Later;
}
