#include "app/ui/EscapeCheck.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/ui/ShellMessageBox.h"
#include "view/StatusSink.h"

#include <gtest/gtest.h>

namespace
{
struct Asked
{
    Asked(ShellMessageBox::Answer answer)
    {
        ShellMessageBox::SetPresenter([this, answer](const UserMessage& m, ShellMessageBox::Buttons b) {
            messages.push_back(m);
            buttons = b;
            return answer;
        });
    }
    ~Asked() { ShellMessageBox::SetPresenter({}); }

    std::vector<UserMessage> messages;
    ShellMessageBox::Buttons buttons = ShellMessageBox::Buttons::Ok;
};

struct CursorCount final : StatusSink
{
    void SetWaitCursor(bool on) override { waits += on; }
    int waits = 0;
};

void PressKey(QWidget& target, Qt::Key key, const QString& text = {})
{
    QCoreApplication::postEvent(&target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(&target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}
} // namespace

TEST(EscapeCheck, EscAsksAndOkStops)
{
    Asked asked(ShellMessageBox::Answer::Ok);
    QLineEdit field;
    EscapeCheck check(&field, QStringLiteral("Cancel Image Import?"));
    EXPECT_FALSE(check.Cancelled()) << "no key: nothing to ask";
    PressKey(field, Qt::Key_Escape);
    EXPECT_TRUE(check.Cancelled());
    ASSERT_EQ(asked.messages.size(), 1u);
    EXPECT_EQ(asked.messages[0].text, "Cancel Image Import?");
    EXPECT_EQ(asked.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(asked.buttons, ShellMessageBox::Buttons::OkCancel);
}

TEST(EscapeCheck, CancelGoesOnWithTheWaitCursorAndOtherKeysAreDropped)
{
    Asked asked(ShellMessageBox::Answer::Cancel);
    QLineEdit field;
    CursorCount cursor;
    {
        EscapeCheck check(&field, QStringLiteral("Stop?"), &cursor);
        PressKey(field, Qt::Key_Escape);
        EXPECT_FALSE(check.Cancelled());
        EXPECT_EQ(cursor.waits, 1);
        PressKey(field, Qt::Key_A, QStringLiteral("a"));
        EXPECT_FALSE(check.Cancelled());
        EXPECT_EQ(asked.messages.size(), 1u) << "a key other than Esc asks nothing";
    }
    EXPECT_TRUE(field.text().isEmpty()) << "the key reached the program during the operation";
    PressKey(field, Qt::Key_B, QStringLiteral("b"));
    QCoreApplication::processEvents();
    EXPECT_EQ(field.text(), "b") << "keys work again once the operation is over";
}
