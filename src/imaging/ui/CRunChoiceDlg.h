#pragma once

#include <QDialog>

#include "imaging/TransferStores.h"

class ChoicePair;

// The one-question dialogs of Cut, Copy, Paste and Define Pattern: two choices, the
// remembered one checked; OK stores the answer and lets the command run.
class CRunChoiceDlg final : public QDialog
{
    Q_OBJECT

public:
    struct Question
    {
        const char* title;
        const char* group;
        const char* first;
        const char* second;
    };
    static const Question kCut;
    static const Question kCopy;
    static const Question kPaste;
    static const Question kDefinePattern;

    CRunChoiceDlg(const Question& question, bool secondChecked, QWidget* parent);
    bool SecondChecked() const;

    // Shows the dialog modally; on OK writes the answer back and returns true.
    static bool Ask(const Question& question, RunRange& answer, QWidget* parent);
    static bool Ask(const Question& question, RunColors& answer, QWidget* parent);

private:
    ChoicePair* m_choice;
};
