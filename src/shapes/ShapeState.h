#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QByteArrayView>

#include "color/HsvColor.h"

class ShapeTable;

// Every shape's active size and colour and the current shape, as a .dss file holds them.
// Records match the table by position; the file does not name the shapes.
struct ShapeState
{
    static constexpr char kSignature[] = "Daubrix Shape State"; // 19 characters on disk
    static constexpr int kSignatureLength = 19;
    static constexpr int kRecordSize = 8;

    struct Record
    {
        bool activeSize = false;
        HsvColor color;
    };

    std::vector<Record> records;
    int currentIndex = 0;

    static ShapeState Capture(const ShapeTable& table);
    QByteArray Serialize() const;

    // Reads at most loadedCount records. Surplus records of a file written with more shapes
    // are skipped, so the current index is the one the file stored (0 when it is not below
    // loadedCount). Refuses a wrong signature, a file shorter than its count says, or a hue
    // outside 0..360.
    static std::optional<ShapeState> Parse(QByteArrayView bytes, int loadedCount);

    // Sets sizes and colours without recording anything in a drawing; changed shapes are
    // marked for recolouring.
    void ApplyTo(ShapeTable& table) const;
};
