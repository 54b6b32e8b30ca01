#pragma once

#include <cstdint>

namespace grid {

// The text-drawing format bits that cells and columns carry.
namespace text_flags {
inline constexpr std::int32_t Left = 0x0;
inline constexpr std::int32_t Center = 0x1;
inline constexpr std::int32_t Right = 0x2;
inline constexpr std::int32_t VCenter = 0x4;
inline constexpr std::int32_t Bottom = 0x8;
inline constexpr std::int32_t AlignmentMask = 0xF;
inline constexpr std::int32_t WordBreak = 0x10;
inline constexpr std::int32_t SingleLine = 0x20;
inline constexpr std::int32_t CalcRect = 0x400;
inline constexpr std::int32_t NoPrefix = 0x800;
inline constexpr std::int32_t EndEllipsis = 0x8000;
inline constexpr std::int32_t PathEllipsis = 0x4000;
inline constexpr std::int32_t ModifyString = 0x10000;
inline constexpr std::int32_t WordEllipsis = 0x40000;
inline constexpr std::int32_t EllipsisAndModify = 0x5C000;

// What a column draws with when it is created without an alignment:
// left, centred vertically, on one line, shortened at a word.
inline constexpr std::int32_t ColumnDefault = VCenter | SingleLine | WordEllipsis;
// The default of CellDetails.
inline constexpr std::int32_t CellDetailsDefault = SingleLine | WordEllipsis;
}  // namespace text_flags

}  // namespace grid
