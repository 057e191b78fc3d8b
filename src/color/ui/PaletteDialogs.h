#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "color/HsvColor.h"
#include "color/ui/CConfirmDlg.h"

class QWidget;

// The questions and messages a palette window puts to the user. The standard set opens the
// real dialogs; tests put in their own answers.
struct PaletteDialogs
{
    enum class FileKind { ColorHistory, ShapeState };
    enum class FileAction { Save, Open };

    std::function<void(const QString&)> message; // plain box with an OK button
    std::function<bool(CConfirmDlg::Question)> confirm;
    std::function<QString(FileKind, FileAction)> chooseFile; // empty when cancelled
    std::function<std::optional<HsvColor>(const HsvColor&)> enterValues;

    static PaletteDialogs Standard(QWidget* owner);
};
