#pragma once

#include <functional>

#include <QString>

class CDaubrixView;
class CommandRegistry;
class QWidget;
class StatusSink;
class WorkspaceViews;

// The Image family: Load background puts a picture behind the active drawing, Remove
// background takes it away; both redraw the drawing over what lies behind it now.
class BackgroundCommands final
{
public:
    BackgroundCommands(CommandRegistry& registry, const WorkspaceViews& views,
                       QWidget& dialogParent, StatusSink& status);

    // Backgrounds need more than 256 colours; the application answers whether it has them.
    void SetLowColorQuery(std::function<bool()> lowColor) { m_lowColor = std::move(lowColor); }
    // Who picks the picture for Load background; the program's own file dialog by default.
    using PictureChooser = std::function<QString(QWidget* parent)>;
    void SetPictureChooser(PictureChooser chooser);

private:
    void Register(CommandRegistry& registry);
    void LoadBackgroundInto(CDaubrixView& view);
    void RemoveBackgroundFrom(CDaubrixView& view);
    void BackgroundChanged(CDaubrixView& view, bool hasBackground);

    const WorkspaceViews& m_views;
    QWidget& m_dialogParent;
    StatusSink& m_status;
    int m_backgroundSizing = 2; // Normal, for the program's run
    std::function<bool()> m_lowColor;
    PictureChooser m_choosePicture;
};
