#include "shapes/ShapeTable.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#include "shapes/BitmapFile.h"

namespace {

constexpr char kSmallestSize = '0';
constexpr int kSizes = 3;
const char* const kLoadError = "error loading shape";

QByteArray NameBytes(const QString& name)
{
    return QFile::encodeName(name);
}

} // namespace

bool ShapeTable::IsShapeFileName(const QString& name)
{
    const QByteArray bytes = NameBytes(name);
    const qsizetype dot = bytes.lastIndexOf('.');
    const qsizetype stem = dot < 0 ? bytes.size() : dot;
    return stem >= 3 && bytes[2] >= kSmallestSize && bytes[2] < kSmallestSize + kSizes;
}

int ShapeTable::Discover(const QString& programFolder, const MessageSink& report)
{
    const QDir folder(programFolder + QStringLiteral("/shapes"));
    const QStringList found = folder.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
    std::vector<QByteArray> names;
    for (const QString& name : found) {
        if (int(names.size()) == kMaxNames)
            break;
        if (IsShapeFileName(name))
            names.push_back(NameBytes(name));
    }
    std::sort(names.begin(), names.end()); // plain byte order
    if (int(names.size()) > kMaxShapes)
        names.resize(kMaxShapes);

    std::vector<std::unique_ptr<CShape>> shapes;
    for (const QByteArray& bytes : names) {
        const QString name = QFile::decodeName(bytes);
        QImage bitmap;
        if (!LoadBitmapFile(folder.filePath(name), bitmap) && report)
            report(QString::fromLatin1(kLoadError));
        shapes.push_back(std::make_unique<CShape>(name, bitmap));
    }
    Adopt(std::move(shapes));
    PrepareAll();
    return Count();
}

void ShapeTable::Adopt(std::vector<std::unique_ptr<CShape>> shapes)
{
    m_shapes = std::move(shapes);
    m_nameBytes.clear();
    for (const auto& shape : m_shapes)
        m_nameBytes.push_back(NameBytes(shape->Name()));
    m_current = 0;
    PickPreferredSizes();
}

void ShapeTable::PickPreferredSizes()
{
    for (const QByteArray& name : m_nameBytes) {
        if (!name.isEmpty())
            SelectShapeSize(name[0], 1);
    }
    for (int i = 0; i < Count(); ++i) {
        if (Shape(i).activeSize) {
            m_current = i;
            return;
        }
    }
    m_current = 0;
}

bool ShapeTable::FindShape(char family, char sizeDigit) const
{
    return IndexOfShape(family, sizeDigit) < Count();
}

int ShapeTable::IndexOfShape(char family, char sizeDigit) const
{
    for (int i = 0; i < Count(); ++i) {
        const QByteArray& name = m_nameBytes[size_t(i)];
        if (name.size() >= 3 && name[0] == family && name[2] == sizeDigit)
            return i;
    }
    return Count();
}

void ShapeTable::SelectShapeSize(char family, int size)
{
    if (size < 0 || size >= kSizes)
        return;
    for (int s = 0; s < kSizes; ++s) {
        const int index = IndexOfShape(family, char(kSmallestSize + s));
        if (index < Count())
            Shape(index).activeSize = false;
    }
    // Medium falls back to small then large; small to large then medium; large to medium
    // then small.
    auto stepDown = [](int s) { return s == 0 ? kSizes - 1 : s - 1; };
    if (!FindShape(family, char(kSmallestSize + size))) {
        size = stepDown(size);
        if (!FindShape(family, char(kSmallestSize + size)))
            size = stepDown(size);
    }
    const int index = IndexOfShape(family, char(kSmallestSize + size));
    if (index < Count())
        Shape(index).activeSize = true;
}

int ShapeTable::SelectByPosition(int n)
{
    int seen = 0;
    for (int i = 0; i < Count(); ++i) {
        if (!Shape(i).activeSize)
            continue;
        if (seen == n) {
            m_current = i;
            return i;
        }
        ++seen;
    }
    return Count();
}

bool ShapeTable::PrepareAll()
{
    bool ok = true;
    for (auto& shape : m_shapes)
        ok = shape->Prepare() && ok;
    return ok;
}
