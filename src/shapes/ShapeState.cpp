#include "shapes/ShapeState.h"

#include <algorithm>
#include <cstring>

#include "color/LittleEndian.h"
#include "shapes/ShapeTable.h"

namespace {

int SizeDigitOf(const CShape& shape)
{
    const QString& name = shape.Name();
    const int digit = name.size() >= 3 ? name.at(2).unicode() - '0' : 1;
    return std::clamp(digit, 0, 2);
}

char FamilyOf(const CShape& shape)
{
    return shape.Name().isEmpty() ? '\0' : char(shape.Name().at(0).toLatin1());
}

} // namespace

ShapeState ShapeState::Capture(const ShapeTable& table)
{
    ShapeState state;
    for (int i = 0; i < table.Count(); ++i)
        state.records.push_back({table.Shape(i).activeSize, table.Shape(i).Color()});
    state.currentIndex = table.CurrentIndex();
    return state;
}

QByteArray ShapeState::Serialize() const
{
    QByteArray out(kSignature, kSignatureLength);
    out.append(char(std::uint8_t(records.size())));
    for (const Record& r : records) {
        AppendLe32(out, r.activeSize ? 1 : 0);
        AppendLe16(out, r.color.hue);
        out.append(char(r.color.saturation));
        out.append(char(r.color.value));
    }
    out.append(char(std::uint8_t(currentIndex)));
    return out;
}

std::optional<ShapeState> ShapeState::Parse(QByteArrayView bytes, int loadedCount)
{
    if (bytes.size() < kSignatureLength + 1 ||
        std::memcmp(bytes.data(), kSignature, kSignatureLength) != 0)
        return std::nullopt;
    const int stored = std::uint8_t(bytes[kSignatureLength]);
    const qsizetype indexAt = kSignatureLength + 1 + qsizetype(stored) * kRecordSize;
    if (bytes.size() <= indexAt)
        return std::nullopt;
    ShapeState state;
    const char* p = bytes.data() + kSignatureLength + 1;
    for (int i = 0; i < std::min(stored, std::max(0, loadedCount)); ++i, p += kRecordSize) {
        const HsvColor color{ReadLe16(p + 4), std::uint8_t(p[6]), std::uint8_t(p[7])};
        if (color.hue < 0 || color.hue > 360)
            return std::nullopt;
        state.records.push_back({ReadLe32(p) != 0, color});
    }
    const int index = std::uint8_t(bytes[indexAt]);
    state.currentIndex = index < loadedCount ? index : 0;
    return state;
}

void ShapeState::ApplyTo(ShapeTable& table) const
{
    const int n = std::min(int(records.size()), table.Count());
    for (int i = 0; i < n; ++i) {
        CShape& shape = table.Shape(i);
        shape.activeSize = records[size_t(i)].activeSize;
        if (shape.activeSize) {
            table.SelectShapeSize(FamilyOf(shape), SizeDigitOf(shape));
            shape.SetColorLater(records[size_t(i)].color);
        } else {
            shape.SetColorUnshown(records[size_t(i)].color);
        }
    }
    if (currentIndex < table.Count())
        table.SetCurrentIndex(currentIndex);
}
