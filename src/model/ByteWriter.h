#pragma once

#include <cstdint>
#include <cstring>
#include <utility>

#include <QByteArray>
#include <QtEndian>

// Little-endian writer that appends to a growing block; Take() hands the bytes over.
class ByteWriter
{
public:
    void Reserve(qsizetype total)
    {
        if (total > m_bytes.size())
            Grow(total - m_size);
    }

    void WriteU8(std::uint8_t value) { WriteLittle(value); }
    void WriteU16(std::uint16_t value) { WriteLittle(value); }
    void WriteI16(std::int16_t value) { WriteLittle(value); }
    void WriteU32(std::uint32_t value) { WriteLittle(value); }
    void WriteI32(std::int32_t value) { WriteLittle(value); }

    void WriteBytes(const char* data, qsizetype count)
    {
        Ensure(count);
        std::memcpy(m_data + m_size, data, size_t(count));
        m_size += count;
    }

    qsizetype Size() const { return m_size; }

    QByteArray Take()
    {
        m_bytes.resize(m_size);
        m_data = nullptr;
        m_size = 0;
        return std::exchange(m_bytes, QByteArray());
    }

private:
    template <typename T>
    void WriteLittle(T value)
    {
        Ensure(qsizetype(sizeof(T)));
        qToLittleEndian<T>(value, m_data + m_size);
        m_size += qsizetype(sizeof(T));
    }

    void Ensure(qsizetype count)
    {
        if (m_size + count > m_bytes.size())
            Grow(count);
    }

    void Grow(qsizetype count)
    {
        const qsizetype wanted = m_size + count;
        m_bytes.resize(qMax(wanted, m_bytes.size() * 2 + 64));
        m_data = m_bytes.data();
    }

    QByteArray m_bytes;
    char* m_data = nullptr;
    qsizetype m_size = 0;
};
