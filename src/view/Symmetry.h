#pragma once

#include <vector>

#include <QLine>
#include <QPoint>

// The symmetry modes shared by every drawing window.
struct SymmetrySettings
{
    bool mirrorHorizontal = false;
    bool mirrorVertical = false;
    bool mirrorBoth = false;
    bool polar = true;
    int polarCount = 5; // 2..50
};

// Appends the symmetric set of one point, in drawing order: the point itself (unless polar),
// the left-right mirror, the top-bottom mirror, the double mirror, then the polar copies.
void AppendSymmetricSet(const SymmetrySettings& s, QPoint centre, QPoint p, std::vector<QPoint>& out);

// The same families applied to both ends of a line (the Lines rubber band).
std::vector<QLine> SymmetricLines(const SymmetrySettings& s, QPoint centre, QPoint start, QPoint end);

// The centre a drawing starts with, and Reset Center puts back.
QPoint ResetCentre(int width, int height);
