#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "ShellFixture.h"

namespace
{
class ShellMessageBoxTest : public ShellFixture
{
};
} // namespace

// A message that names its own caption (the JPEG reader's) is shown under it; others under
// the program's name.
TEST_F(ShellMessageBoxTest, TheBoxCarriesTheMessagesOwnTitle)
{
    ShellMessageBox::SetPresenter({}); // the real box
    const struct
    {
        UserMessage message;
        QString title;
        QMessageBox::Icon icon;
    } cases[] = {
        {{"Premature end of JPEG file", MessageIcon::Critical, "JPEG Library Error"}, "JPEG Library Error",
         QMessageBox::Critical},
        {{"error reading file.", MessageIcon::Critical}, "Daubrix", QMessageBox::Critical},
    };
    for (const auto& c : cases) {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        });
        ShellMessageBox::Show(nullptr, c.message);
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(text, c.message.text);
        EXPECT_EQ(icon, c.icon);
    }
}
