#pragma once

#include <functional>

#include <QString>

#include "imaging/ImportSettings.h"

class CDaubrixView;
class CommandRegistry;
class EscapeCheck;
class QWidget;
class StatusSink;
class WorkspaceViews;

// The Image family's Import: a picture becomes globs of the current shape at the end of
// the active drawing, as one section that the slider and Undo treat like a stroke.
class ImportCommands final
{
public:
    ImportCommands(CommandRegistry& registry, const WorkspaceViews& views, QWidget& dialogParent,
                   StatusSink& status);

    // Who picks the picture and who asks for the settings; the program's own dialogs by
    // default (tests answer them themselves).
    using PictureChooser = std::function<QString(QWidget* parent)>;
    using SettingsAsker = std::function<bool(QWidget* parent, ImportSettings& settings)>;
    void SetPictureChooser(PictureChooser chooser);
    void SetSettingsAsker(SettingsAsker asker);
    // Called once the picture is read, before the long conversion starts.
    void SetBeforeLongWork(std::function<void()> before) { m_beforeLongWork = std::move(before); }

    const ImportSettings& Settings() const { return m_settings; }

private:
    void ImportInto(CDaubrixView& view);
    // Converts and places; false when the user stopped it during sampling (nothing added).
    bool AddGlobs(CDaubrixView& view, const QImage& picture, EscapeCheck& escape, bool& stopped);
    // The next paints draw the new globs a hundred at a time; false when the user stopped.
    bool DrawNewGlobs(CDaubrixView& view, EscapeCheck& escape);

    const WorkspaceViews& m_views;
    QWidget& m_dialogParent;
    StatusSink& m_status;
    ImportSettings m_settings; // for the program's run
    bool m_samplesLeftOut = false; // memory ran out for some samples of this import
    PictureChooser m_choosePicture;
    SettingsAsker m_askSettings;
    std::function<void()> m_beforeLongWork;
};
