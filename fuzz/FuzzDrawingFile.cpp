// A whole drawing load from arbitrary bytes, with a window that takes any picture; a file
// that loads must save and load again to the same bytes.
#include <cstddef>
#include <cstdint>

#include "model/BackgroundHost.h"
#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"

namespace {
struct AcceptingHost : BackgroundHost
{
    QByteArray EncodeBackgroundJpeg() override { return picture; }
    bool DecodeBackgroundJpeg(const QByteArray& jpeg, UserMessage&) override
    {
        picture = jpeg;
        return true;
    }
    QByteArray picture;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ShapeTable shapes;
    AcceptingHost host;
    CDaubrixDoc doc(shapes);
    doc.SetBackgroundHost(&host);
    if (doc.Load(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))) != LoadError::None)
        return 0;
    const SavedDrawing out = doc.Save();
    if (!out.ok())
        __builtin_trap();
    CDaubrixDoc again(shapes);
    again.SetBackgroundHost(&host);
    if (again.Load(out.bytes) != LoadError::None || again.Records().GlobCount() != doc.Records().GlobCount())
        __builtin_trap();
    return 0;
}
