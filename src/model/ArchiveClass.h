#pragma once

#include <cstdint>

// The record classes a drawing's object archive holds, and their names in files.
enum class ArchiveClass : std::uint8_t { Glob, ColorChange };

inline constexpr int kArchiveClassCount = 2;

inline const char* ArchiveClassName(ArchiveClass kind)
{
    return kind == ArchiveClass::Glob ? "CGlob" : "CColorChange";
}

// The archive's tag words and limits.
namespace ArchiveTag {
inline constexpr std::uint16_t kNewClass = 0xFFFF;
inline constexpr std::uint16_t kClassReference = 0x8000;
inline constexpr std::uint16_t kLongReference = 0x7FFF;
inline constexpr std::uint32_t kLongClassFlag = 0x80000000u;
inline constexpr std::uint16_t kLongCount = 0xFFFF;
inline constexpr std::uint32_t kMaxNumber = 0x3FFFFFFE; // the running count never reaches this
} // namespace ArchiveTag
