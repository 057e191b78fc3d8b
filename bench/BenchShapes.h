#pragma once

#include <filesystem>

#include <QString>

#include "shapes/ShapeTable.h"

// The program's own shapes, from the shapes folder beside the benchmark program, loaded once.
inline ShapeTable& BenchShapes()
{
    static ShapeTable shapes = [] {
        ShapeTable t;
        const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
        t.Discover(QString::fromStdString(folder.string()) + QLatin1Char('/'), [](const QString&) {});
        t.PrepareAll();
        return t;
    }();
    return shapes;
}
