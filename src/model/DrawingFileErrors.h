#pragma once

#include <QByteArray>

// Why a drawing file could not be read. What the user is told is chosen where it is shown.
enum class LoadError {
    None,
    CannotOpen,  // the file could not be read from the disk
    BadFormat,   // the bytes are not a drawing file
    OutOfMemory, // the drawing is too large to hold
};

// Why a drawing file could not be made or written.
enum class SaveError {
    None,
    TooManyRecords, // a record list is too long for the archive's numbering
    OutOfMemory,
    CannotWrite, // the file could not be written to the disk
};

// A drawing file's bytes, or why they could not be made.
struct SavedDrawing
{
    QByteArray bytes;
    SaveError error = SaveError::None;
    bool ok() const { return error == SaveError::None; }
};
