#pragma once

#include <QFileDialog>

// The open-file dialog of the commands that read a picture (BMP or JPEG). It uses Qt's own
// dialog, whose name filters ignore case, so "PHOTO.JPG" is listed like "photo.jpg".
class CPictureFileDlg final : public QFileDialog
{
    Q_OBJECT

public:
    explicit CPictureFileDlg(QWidget* parent = nullptr);

    // The chosen existing file, or an empty string when the user cancels.
    static QString GetPictureFileName(QWidget* parent);
};
