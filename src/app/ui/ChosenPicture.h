#pragma once

#include <QImage>
#include <QString>

class QWidget;

// Reads the picture a command's file dialog chose. When it cannot be read, the reader's
// own message (where it has one) and "error reading file." are shown, and false returned.
bool ReadChosenPicture(QWidget* parent, const QString& path, QImage& picture);
