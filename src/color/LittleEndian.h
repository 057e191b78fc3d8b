#pragma once

#include <cstdint>

#include <QByteArray>

// Host-independent little-endian fields for the palettes' own files.
inline void AppendLe16(QByteArray& out, std::int16_t v)
{
    const auto u = std::uint16_t(v);
    out.append(char(u & 0xFF));
    out.append(char(u >> 8));
}

inline void AppendLe32(QByteArray& out, std::int32_t v)
{
    const auto u = std::uint32_t(v);
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char(u >> shift & 0xFF));
}

inline std::int16_t ReadLe16(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return std::int16_t(std::uint16_t(b[0] | b[1] << 8));
}

inline std::int32_t ReadLe32(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                        std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24);
}
