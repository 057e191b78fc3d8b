#pragma once

#include <memory>
#include <vector>

#include <QImage>
#include <QString>

#include "color/ActiveDrawing.h"
#include "shapes/ShapeTable.h"

// A table of tiny prepared shapes made in memory: names give family (first letter) and size
// (third character), e.g. {"a_0", "a_1", "b_1"}.
inline void FillTable(ShapeTable& table, std::initializer_list<const char*> names)
{
    std::vector<std::unique_ptr<CShape>> shapes;
    for (const char* name : names) {
        QImage image(5, 5, QImage::Format_RGB32);
        image.fill(qRgb(255, 0, 0));
        image.setPixel(0, 0, qRgb(0, 0, 0)); // the transparent colour
        shapes.push_back(std::make_unique<CShape>(QString::fromLatin1(name) + ".bmp", image));
    }
    table.Adopt(std::move(shapes));
    table.PrepareAll();
}

// Counts what the palettes ask of the drawing.
struct FakeDrawing final : ActiveDrawing
{
    bool active = true;
    struct Change { int shape; HsvColor color; };
    std::vector<Change> changes;

    bool HasActiveDrawing() const override { return active; }
    void ApplyColor(int shapeIndex, const HsvColor& color) override
    {
        changes.push_back({shapeIndex, color});
    }
};
