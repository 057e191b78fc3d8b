#pragma once

#include <functional>

#include <QString>

#include "app/AppSettings.h"
#include "app/DocumentManager.h"
#include "app/NewDrawingChoice.h"

class QDialog;
class QWidget;
class DrawingViewPort;

// What the main frame works with, handed over by the application. The choosers and the
// modal runner are replaceable so that the frame can run without anyone at the keyboard.
struct FrameContext
{
    struct ViewParts
    {
        QWidget* widget = nullptr;
        DrawingViewPort* port = nullptr; // the same object as widget
    };

    AppSettings& settings;
    DocumentManager& documents;
    NewDrawingChoice& lastNewDrawing;
    QString programFolder;

    std::function<ViewParts(DocumentManager::Drawing&)> makeView;
    std::function<QString(QWidget* parent)> chooseOpenPath;
    std::function<QString(QWidget* parent, const QString& suggestion)> chooseSavePath;
    std::function<int(QDialog&)> runModal;

    // Fills the empty hooks with the program's own: placeholder views, file dialogs, exec().
    void UseDefaultHooks();
};
