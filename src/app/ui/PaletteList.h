#pragma once

#include <vector>

#include <QObject>

#include "app/AppSettings.h"

class QWidget;
enum class CommandId : int;

// One floating palette as the frame knows it: its window, the command that shows and hides
// it, and the settings that keep its visibility and placement between runs. x2 and y2 are
// null for palettes whose size is their own.
struct PaletteRegistration
{
    QWidget* window = nullptr;
    CommandId commandId{};
    int AppSettings::*visible = nullptr;
    int AppSettings::*flags = nullptr;
    int AppSettings::*showCmd = nullptr;
    int AppSettings::*x1 = nullptr;
    int AppSettings::*y1 = nullptr;
    int AppSettings::*x2 = nullptr;
    int AppSettings::*y2 = nullptr;

    // The three palettes of the program, each with the settings that keep it.
    static PaletteRegistration Shapes(QWidget* window);
    static PaletteRegistration Colors(QWidget* window);
    static PaletteRegistration History(QWidget* window);
};

// The frame's palettes: placement from the settings when registered, toggling, hiding and
// bringing back for full screen, and placement back into the settings at the end.
class PaletteList final : public QObject
{
    Q_OBJECT

public:
    explicit PaletteList(AppSettings& settings, QObject* parent = nullptr);

    void Register(const PaletteRegistration& palette);
    bool Has(CommandId commandId) const { return Find(commandId) != nullptr; }
    bool IsVisible(CommandId commandId) const;
    void Toggle(CommandId commandId);

    std::vector<bool> Visibility() const;
    void HideVisible();
    // Shows each palette that was visible in `before` and is hidden now.
    void ShowAgain(const std::vector<bool>& before);

    void RecordPlacements() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const PaletteRegistration* Find(CommandId commandId) const;
    void ApplyPlacement(const PaletteRegistration& palette);
    void SetShown(const PaletteRegistration& palette, bool shown);

    AppSettings& m_settings;
    std::vector<PaletteRegistration> m_palettes;
};
