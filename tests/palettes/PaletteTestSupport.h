#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>

#include "color/PaletteFiles.h"
#include "color/ui/PaletteDialogs.h"

// Sends a left-button event as the window system would.
inline void SendMouse(QWidget& w, QEvent::Type type, QPoint at,
                      Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), QPointF(w.mapToGlobal(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

// Keeps last-run files out of the user's real data folder and answers every dialog.
struct PaletteTestEnvironment
{
    PaletteTestEnvironment()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(UserFile(PaletteFiles::kLastHistoryName));
        QFile::remove(UserFile(PaletteFiles::kLastStateName));
        dialogs.message = [this](const QString& text) { messages << text; };
        dialogs.confirm = [this](CConfirmDlg::Question q) { questions << int(q); return answer; };
        dialogs.chooseFile = [this](PaletteDialogs::FileKind, PaletteDialogs::FileAction) { return chosenFile; };
        dialogs.enterValues = [this](const HsvColor&) { return typedColor; };
    }
    ~PaletteTestEnvironment()
    {
        QFile::remove(UserFile(PaletteFiles::kLastHistoryName));
        QFile::remove(UserFile(PaletteFiles::kLastStateName));
    }
    static QString UserFile(const char* name) { return PaletteFiles::LastRunWritePath(name); }
    QString ProgramFile(const char* name) const { return QDir(programFolder.path()).filePath(name); }

    QTemporaryDir programFolder;
    QTemporaryDir files;
    PaletteDialogs dialogs;
    QStringList messages;
    QList<int> questions;
    bool answer = true;
    QString chosenFile;
    std::optional<HsvColor> typedColor;
};
