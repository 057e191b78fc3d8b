#include "app/BasicDrawingDocument.h"

#include <QtEndian>

namespace
{
const QByteArray kSignature = QByteArrayLiteral("\x07"
                                                "Daubrix");

// Empty glob list, empty colour-change list (16-bit counts), no background image.
const QByteArray kEmptyLists = QByteArray(8, '\0');

void PutInt(QByteArray& out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// Reads little-endian integers and never past the end of its bytes.
class ByteReader
{
public:
    explicit ByteReader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool Int(qint32& value)
    {
        if (m_bytes.size() - m_pos < 4)
            return false;
        value = qFromLittleEndian<qint32>(m_bytes.constData() + m_pos);
        m_pos += 4;
        return true;
    }
    bool Skip(const QByteArray& expected)
    {
        if (!m_bytes.mid(m_pos).startsWith(expected))
            return false;
        m_pos += expected.size();
        return true;
    }
    QByteArray Rest() const { return m_bytes.mid(m_pos); }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
};

bool InRange(qint32 value, int low, int high)
{
    return value >= low && value <= high;
}
} // namespace

void BasicDrawingDocument::InitNew(QSize size)
{
    *this = BasicDrawingDocument();
    m_size = size;
    m_lists = kEmptyLists;
}

QByteArray BasicDrawingDocument::Write() const
{
    QByteArray out = kSignature;
    PutInt(out, m_size.width());
    PutInt(out, m_size.height());
    PutInt(out, qint32(m_sections.size()));
    PutInt(out, m_sectionBase);
    for (qint32 boundary : m_sections)
        PutInt(out, boundary);
    PutInt(out, qint32(m_background));
    PutInt(out, m_printSize);
    out.append(m_lists.isEmpty() ? kEmptyLists : m_lists);
    return out;
}

DrawingDocument::ReadStatus BasicDrawingDocument::Read(const QByteArray& bytes)
{
    ByteReader in(bytes);
    BasicDrawingDocument read;
    qint32 width = 0, height = 0, count = 0, background = 0;
    if (!in.Skip(kSignature) || !in.Int(width) || !in.Int(height) || !in.Int(count)
        || !in.Int(read.m_sectionBase))
        return ReadStatus::BadFormat;
    if (!InRange(width, kMinSize, kMaxSize) || !InRange(height, kMinSize, kMaxSize)
        || !InRange(count, 0, kMaxSections))
        return ReadStatus::BadFormat;
    read.m_sections.resize(size_t(count));
    for (qint32& boundary : read.m_sections) {
        if (!in.Int(boundary))
            return ReadStatus::BadFormat;
    }
    if (!in.Int(background) || !in.Int(read.m_printSize))
        return ReadStatus::BadFormat;
    if (in.Rest().size() < 4) // not even the two list counts
        return ReadStatus::BadFormat;
    read.m_size = QSize(width, height);
    read.m_background = RgbColor(background);
    read.m_lists = in.Rest();
    *this = std::move(read);
    return ReadStatus::Ok;
}
