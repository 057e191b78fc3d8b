#pragma once

#include <functional>

#include <QSize>
#include <QString>

#include "view/MoviePlan.h"

class CommandRegistry;
class DrawingWindows;
class QWidget;
class StatusSink;

// The Image family's Create movie: a time-lapse of the active drawing being made, glob by
// glob up to the history position, as a video or a folder of pictures. The status bar shows
// the progress and Esc stops it, leaving no file. The choices are kept for the run.
class MovieCommands final
{
public:
    MovieCommands(CommandRegistry& registry, DrawingWindows& drawings, QWidget& dialogParent, StatusSink& status);

    // Who asks for the settings and the output: the Create movie dialog by default.
    using SettingsAsker =
        std::function<bool(QWidget* parent, QSize drawing, MovieSettings& settings, QString& output)>;
    void SetSettingsAsker(SettingsAsker asker);

    const MovieSettings& Settings() const { return m_settings; }
    // Runs before a movie is made (recovery copies of unsaved drawings are written first).
    void SetBeforeLongWork(std::function<void()> before) { m_beforeLongWork = std::move(before); }

private:
    void OnCreateMovie();
    QString SuggestedOutput() const;

    DrawingWindows& m_drawings;
    QWidget& m_dialogParent;
    StatusSink& m_status;
    MovieSettings m_settings;
    QString m_output; // the last output chosen in this run
    SettingsAsker m_ask;
    std::function<void()> m_beforeLongWork;
};
