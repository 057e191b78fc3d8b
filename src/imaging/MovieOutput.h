#pragma once

#include <memory>

#include <QString>

#include "imaging/MovieWriter.h"

// ".mp4" and ".webm" are videos; any other path is a folder for numbered PNG pictures.
MovieKind MovieKindOf(const QString& path);
std::unique_ptr<MovieWriter> MakeMovieWriter(const QString& path);
// Whether this build can write the videos (it has FFmpeg's libraries).
bool CanWriteVideo();
