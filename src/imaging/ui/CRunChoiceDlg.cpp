#include "imaging/ui/CRunChoiceDlg.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "imaging/ui/ChoicePair.h"

const CRunChoiceDlg::Question CRunChoiceDlg::kCut{"Cut", "Cut", "Entire Drawing", "Last Section Only"};
const CRunChoiceDlg::Question CRunChoiceDlg::kCopy{"Copy", "Copy", "Entire Drawing", "Last Section Only"};
const CRunChoiceDlg::Question CRunChoiceDlg::kPaste{"Paste", "Colors", "Preserve colors", "Use new colors"};
const CRunChoiceDlg::Question CRunChoiceDlg::kDefinePattern{"Define Pattern", "Make Pattern From", "Entire Drawing",
                                                            "Last Section Only"};

CRunChoiceDlg::CRunChoiceDlg(const Question& question, bool secondChecked, QWidget* parent)
    : QDialog(parent),
      m_choice(new ChoicePair(tr(question.group), tr(question.first), tr(question.second), secondChecked))
{
    setWindowTitle(tr(question.title));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_choice);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_choice->FocusChecked();
}

bool CRunChoiceDlg::SecondChecked() const { return m_choice->SecondChecked(); }

bool CRunChoiceDlg::Ask(const Question& question, RunRange& answer, QWidget* parent)
{
    CRunChoiceDlg dialog(question, answer == RunRange::LastSectionOnly, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    answer = dialog.SecondChecked() ? RunRange::LastSectionOnly : RunRange::EntireDrawing;
    return true;
}

bool CRunChoiceDlg::Ask(const Question& question, RunColors& answer, QWidget* parent)
{
    CRunChoiceDlg dialog(question, answer == RunColors::UseNew, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    answer = dialog.SecondChecked() ? RunColors::UseNew : RunColors::Preserve;
    return true;
}
