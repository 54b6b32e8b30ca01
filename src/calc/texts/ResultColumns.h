#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace calc {

// What a column of the results table shows of a result.
enum class ResultField : std::uint8_t { RowNumber, GearA, GearB, GearC, GearD, Error, Pitch, Tpi, Marks };

// How a column's cells are aligned: as the grid aligns by default, or left.
enum class ColumnAlignment : std::uint8_t { GridDefault, Left };

struct ResultColumn {
    ResultField field;
    std::string_view title;        // the header as shown without a language file
    std::string_view languageKey;  // the language text that replaces it; empty when none
    std::int32_t width;            // twips
    ColumnAlignment alignment;
    bool autoResize = false;       // the column takes up the grid's spare width
};

// The results table, in column order: the one description that the grid,
// the results file and the command-line tool all follow.
inline constexpr std::array kResultColumns = {
    ResultColumn{ResultField::RowNumber, " ", "", 300, ColumnAlignment::Left},
    ResultColumn{ResultField::GearA, "A", "", 300, ColumnAlignment::GridDefault},
    ResultColumn{ResultField::GearB, "B", "", 300, ColumnAlignment::GridDefault},
    ResultColumn{ResultField::GearC, "C", "", 300, ColumnAlignment::GridDefault},
    ResultColumn{ResultField::GearD, "D", "", 300, ColumnAlignment::GridDefault},
    ResultColumn{ResultField::Error, "+/- %", "", 790, ColumnAlignment::Left},
    ResultColumn{ResultField::Pitch, "pitch, mm", "gridPitch", 830, ColumnAlignment::Left},
    ResultColumn{ResultField::Tpi, "tpi", "", 830, ColumnAlignment::Left},
    ResultColumn{ResultField::Marks, "comm", "gridComm", 800, ColumnAlignment::GridDefault, true},
};

inline constexpr std::size_t kResultColumnCount = kResultColumns.size();

// The column that shows a field.
constexpr std::size_t ColumnOf(ResultField field) {
    for (std::size_t c = 0; c < kResultColumnCount; ++c)
        if (kResultColumns[c].field == field) return c;
    return kResultColumnCount;
}

// The tooltip of the marks column: its language key and its text without a
// language file.
inline constexpr std::string_view kMarksTipKey = "gridtt";
inline constexpr std::string_view kMarksTip =
    "'low' means that gear set too small, 'sec A' means that gears intersects with gear A shaft, "
    "'sec D' means that gears intersects with leadscrew";

// The order in which the window writes the cells of a row: the three
// measures and the marks first, then the row number and the gears. This is
// the order the window has always written them in; a host that watches the
// cells while the grid is filled sees a row take shape in it, so it is kept
// rather than tidied into column order.
inline constexpr std::array kCellWriteOrder = {
    ResultField::Error, ResultField::Pitch,  ResultField::Tpi,    ResultField::Marks, ResultField::RowNumber,
    ResultField::GearA, ResultField::GearB, ResultField::GearC, ResultField::GearD,
};
static_assert(kCellWriteOrder.size() == kResultColumnCount, "every column is written once");

}  // namespace calc
