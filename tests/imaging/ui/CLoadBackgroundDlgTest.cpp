#include "imaging/ui/CLoadBackgroundDlg.h"

#include <QApplication>
#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

QRadioButton* Button(QWidget& dialog, const QString& text)
{
    for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Acts on the dialog once its modal loop runs.
void WhenShown(std::function<void(CLoadBackgroundDlg&)> act)
{
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<CLoadBackgroundDlg*>(QApplication::activeModalWidget()))
            act(*dialog);
    });
}

TEST(LoadBackgroundDlg, ShowsItsTextsAndOpensOnNormalByDefault)
{
    CLoadBackgroundDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Load Background Image");
    const auto groups = dialog.findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups.front()->title(), "Size");
    for (const char* text : {"Fit drawing", "Squash/Stretch", "Normal"})
        ASSERT_NE(Button(dialog, text), nullptr) << text;
    EXPECT_TRUE(Button(dialog, "Normal")->isChecked());
    EXPECT_EQ(dialog.sizing(), BackgroundSizing::Normal);

    Button(dialog, "Squash/Stretch")->click();
    EXPECT_FALSE(Button(dialog, "Normal")->isChecked());
    EXPECT_EQ(dialog.sizing(), BackgroundSizing::SquashStretch);
}

TEST(LoadBackgroundDlg, OkRemembersTheChoiceAndCancelKeepsIt)
{
    BackgroundSizing remembered = BackgroundSizing::Normal;
    WhenShown([](CLoadBackgroundDlg& dialog) {
        Button(dialog, "Fit drawing")->click();
        dialog.accept();
    });
    EXPECT_TRUE(CLoadBackgroundDlg::Ask(nullptr, remembered));
    EXPECT_EQ(remembered, BackgroundSizing::FitDrawing);

    bool openedOnFit = false;
    WhenShown([&openedOnFit](CLoadBackgroundDlg& dialog) {
        openedOnFit = Button(dialog, "Fit drawing")->isChecked();
        Button(dialog, "Squash/Stretch")->click();
        dialog.reject();
    });
    EXPECT_FALSE(CLoadBackgroundDlg::Ask(nullptr, remembered));
    EXPECT_TRUE(openedOnFit);
    EXPECT_EQ(remembered, BackgroundSizing::FitDrawing);
}

} // namespace
