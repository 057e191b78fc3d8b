#pragma once

#include <array>
#include <cstdint>

#include <QDialog>

#include "color/AutoChange.h"

class QRadioButton;
class QSlider;

// What sets one channel's dialog apart: its title and the order of its mode buttons (the
// five moving modes top to bottom; "Off" sits beside the last).
struct AutoChangeDialogDescription
{
    const char* title; // untranslated
    std::array<AutoChangeMode, 5> order;
};

// Chooses how one colour channel drifts while drawing: a mode and a speed 1..10. One class
// for every channel, driven by the channel's description.
class CAutoChangeDlg final : public QDialog
{
    Q_OBJECT
public:
    CAutoChangeDlg(const AutoChangeDialogDescription& description, const AutoChangeChannel& settings,
                   QWidget* parent = nullptr);

    std::uint8_t Mode() const { return m_mode; }
    std::uint8_t Speed() const { return m_speed; }
    QRadioButton* ModeButton(std::uint8_t mode) const;
    QSlider* SpeedSlider() const { return m_slider; }

    // Creates the dialog of a channel, filled from its current settings.
    static CAutoChangeDlg* Create(AutoChannel channel, const AutoChangeChannel& settings,
                                  QWidget* parent);

    // The view's "AutoChange" command of a channel: with Ctrl held it switches the channel
    // on or off; otherwise it asks in the dialog and starts the channel on OK.
    static void RunCommand(AutoChannel channel, bool ctrlHeld, AutoChangeState& state,
                           const HsvColor& current, RandomGenerator& random, QWidget* parent);

public slots:
    void accept() override;

private:
    static const AutoChangeDialogDescription& DescriptionOf(AutoChannel channel);
    static QString ModeText(AutoChangeMode mode);
    QRadioButton* AddModeButton(AutoChangeMode mode);

    std::array<QRadioButton*, 6> m_buttons{}; // by mode number
    QSlider* m_slider = nullptr;
    std::uint8_t m_mode = AutoOff;
    std::uint8_t m_speed = 5;
};
