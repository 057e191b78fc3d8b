#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QByteArray>
#include <QString>

#include "shapes/CShape.h"

// The shapes all drawings share: at most 36, sorted by file name, with the current shape.
class ShapeTable
{
public:
    static constexpr int kMaxShapes = 36;
    static constexpr int kMaxNames = 200;

    using MessageSink = std::function<void(const QString&)>;

    // Finds programFolder/shapes/*.bmp, keeps what the naming rule allows, loads, prepares
    // the preferred sizes and picks the current shape. Each unreadable file is reported once
    // through the sink ("error loading shape"). Returns the number of shapes loaded.
    // Names without a size digit ("0", "1" or "2") as third character are skipped; of the
    // first kMaxNames names (in name order) the kMaxShapes smallest by bytes are used.
    // Every shape comes back prepared; a file that cannot be read stays as a shape without
    // a bitmap, which draws nothing.
    int Discover(const QString& programFolder, const MessageSink& report);

    // For tests and tools: takes shapes made in memory, in the given order, then prefers
    // medium sizes and picks the current shape as discovery does. Does not prepare them.
    void Adopt(std::vector<std::unique_ptr<CShape>> shapes);

    int Count() const { return int(m_shapes.size()); }
    CShape& Shape(int index) { return *m_shapes[size_t(index)]; }
    const CShape& Shape(int index) const { return *m_shapes[size_t(index)]; }

    int CurrentIndex() const { return m_current; }
    void SetCurrentIndex(int index) { m_current = index; }
    CShape& Current() { return Shape(m_current); }

    static bool IsShapeFileName(const QString& name);

    bool FindShape(char family, char sizeDigit) const;
    int IndexOfShape(char family, char sizeDigit) const; // Count() when none
    void SelectShapeSize(char family, int size);         // size 0 small, 1 medium, 2 large
    int SelectByPosition(int n);                          // Count() when there is no n-th

    // Prepares every shape; false when a cursor image could not be made.
    bool PrepareAll();

private:
    void PickPreferredSizes();

    std::vector<std::unique_ptr<CShape>> m_shapes;
    std::vector<QByteArray> m_nameBytes; // file names as bytes, for family and size look-ups
    int m_current = 0;
};
