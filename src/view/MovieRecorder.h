#pragma once

#include <functional>

#include "imaging/ImageStatus.h"
#include "view/MoviePlan.h"

class CDaubrixDoc;
class DrawingCanvas;
class MovieWriter;
class ShapeTable;

// What a movie of the drawing being made is made of: the drawing, the canvas whose replay
// and paper (background picture included) the frames use, and how many globs it shows.
struct MovieSource
{
    const CDaubrixDoc& doc;
    const DrawingCanvas& canvas;
    const ShapeTable& shapes;
    int globCount; // the globs up to the history position
};

enum class MovieOutcome { Done, Cancelled, Failed };

struct MovieResult
{
    MovieOutcome outcome = MovieOutcome::Done;
    ImageStatus status; // why it failed
    int frames = 0;
};

// Told the percentage done after each frame; false stops the movie (its output is removed).
using MovieProgress = std::function<bool(int percent)>;

// Renders the planned frames one after the other, each adding only the globs since the one
// before, and hands them to the writer.
MovieResult RecordMovie(const MovieSource& source, const MovieSettings& settings, MovieWriter& writer,
                        const MovieProgress& progress = {});
