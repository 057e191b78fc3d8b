#pragma once

// What the reader and the writer of a drawing file (.dbr) agree on.
namespace DrawingFileFormat
{
// The file starts with this text, after one byte holding its length.
inline constexpr const char* kSignature = "Daubrix";
} // namespace DrawingFileFormat
