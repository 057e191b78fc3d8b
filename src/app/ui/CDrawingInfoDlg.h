#pragma once

#include <QDialog>
#include <QStringList>

#include "color/HsvColor.h"

// Counts, size and background colour of the active drawing.
class CDrawingInfoDlg final : public QDialog
{
    Q_OBJECT

public:
    struct Facts
    {
        bool clearPending = false;
        int globCount = 0;
        int hiddenGlobs = 0; // globs beyond the history position
        int colorCount = 0;
        int width = 0;
        int height = 0;
        RgbColor background = 0;
    };

    explicit CDrawingInfoDlg(const Facts& facts, QWidget* parent = nullptr);

    static QStringList Lines(const Facts& facts);
};
