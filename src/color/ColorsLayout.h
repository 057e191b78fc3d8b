#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include "color/HsvColor.h"

// The Colors window's fixed pixel layout, its two gradient images and its hit tests, in
// client coordinates (right and bottom edges exclusive).
namespace ColorsLayout {

constexpr int kClientWidth = 149;
constexpr int kClientHeight = 114;
constexpr int kFieldWidth = 120;
constexpr int kBarWidth = 10;
constexpr int kImageHeight = 63;
constexpr int kStripCells = 20;

constexpr QPoint kFieldOrigin{5, 5};
constexpr QPoint kBarOrigin{133, 5};
constexpr QRect kFieldFrame{QPoint(4, 4), QPoint(125, 68)};   // around (4, 4)-(126, 69)
constexpr QRect kBarFrame{QPoint(132, 4), QPoint(143, 68)};   // around (132, 4)-(144, 69)
constexpr QRect kSwatch{QPoint(52, 74), QPoint(81, 94)};      // filled (52, 74)-(82, 95)
constexpr QRect kSwatchFrame{QPoint(51, 73), QPoint(82, 95)}; // around (51, 73)-(83, 96)
constexpr QRect kStripFrame{QPoint(3, 100), QPoint(144, 108)}; // around (3, 100)-(145, 109)
constexpr QRect kValuesButton{5, 73, 39, 23};
constexpr QRect kPreviousButton{90, 73, 24, 23};
constexpr QRect kNextButton{120, 73, 24, 23};

// Hue across, saturation down (255 at the top); value 1.
QImage BuildHueSaturationImage();
// Greys from white at the top down to dark.
QImage BuildValueImage();

// The platform colour of a stored colour, for painting.
QRgb ToQRgb(RgbColor color);

bool InField(QPoint p);
bool InBar(QPoint p);
// The history entry under p, or -1 (count entries shown).
int StripIndexAt(QPoint p, int count);

// Colour picked at p while dragging: clamped to hue 0..360, saturation/value 0..255.
int HueAt(int x);
int LevelAt(int y);

QRect FieldMarker(const HsvColor& color); // the 3 x 3 hollow marker
QRect BarMarker(const HsvColor& color);   // the 10 x 3 hollow marker
QRect StripCell(int index);               // filled 7 x 7 swatch of an entry
QRect StripSelection(int index);          // outermost of the four selection frames
QRect StripRest(int count);               // unused part of the strip

} // namespace ColorsLayout
