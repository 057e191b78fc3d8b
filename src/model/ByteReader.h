#pragma once

#include <cstdint>
#include <cstring>

#include <QByteArray>
#include <QtEndian>

// Little-endian reader over a block of bytes. Every read checks what is left; after the first
// short read the reader stays failed and every later read fails too, so a caller may check once.
class ByteReader
{
public:
    ByteReader(const char* data, qsizetype size) : m_data(data), m_size(size < 0 ? 0 : size) {}
    explicit ByteReader(const QByteArray& bytes) : ByteReader(bytes.constData(), bytes.size()) {}

    qsizetype Remaining() const { return m_size - m_pos; }
    qsizetype Position() const { return m_pos; }
    bool Failed() const { return m_failed; }
    bool Has(qsizetype count) const { return !m_failed && count >= 0 && count <= Remaining(); }

    bool ReadU8(std::uint8_t& value) { return ReadLittle(value); }
    bool ReadU16(std::uint16_t& value) { return ReadLittle(value); }
    bool ReadI16(std::int16_t& value) { return ReadLittle(value); }
    bool ReadU32(std::uint32_t& value) { return ReadLittle(value); }
    bool ReadI32(std::int32_t& value) { return ReadLittle(value); }

    bool ReadBytes(qsizetype count, QByteArray& out)
    {
        if (!Take(count))
            return false;
        out = QByteArray(m_data + m_pos - count, count);
        return true;
    }
    bool Skip(qsizetype count) { return Take(count); }

private:
    template <typename T>
    bool ReadLittle(T& value)
    {
        if (!Take(qsizetype(sizeof(T))))
            return false;
        value = qFromLittleEndian<T>(m_data + m_pos - qsizetype(sizeof(T)));
        return true;
    }

    bool Take(qsizetype count)
    {
        if (!Has(count)) {
            m_failed = true;
            return false;
        }
        m_pos += count;
        return true;
    }

    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    bool m_failed = false;
};
