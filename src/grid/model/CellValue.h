#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "grid/model/CellExtras.h"
#include "runtime/Variant.h"

namespace grid {

// The value of one cell, kept small: short texts (the common case: numbers
// written as text) live inline; anything else, and a cell that has extras,
// lives in one block on the heap holding the value and the extras.
class CellValue {
public:
    CellValue() noexcept = default;
    CellValue(const CellValue& other);
    CellValue& operator=(const CellValue& other);
    CellValue(CellValue&& other) noexcept;
    CellValue& operator=(CellValue&& other) noexcept;
    ~CellValue();

    // Both keep the cell's extras.
    void Assign(const runtime::Variant& value);
    void AssignText(std::string_view text);

    runtime::Variant Get() const;
    bool IsEmpty() const;
    bool IsText() const;
    // The value as text: "" for Empty and Null.
    std::string Text() const;

    // The extras, or the defaults when none was set.
    const CellExtras& Extras() const;
    // Creates the extras on first use.
    CellExtras& MutableExtras();
    bool HasExtras() const;

    static constexpr std::size_t kInlineCapacity = 12;

private:
    struct Box;
    static constexpr std::uint8_t kEmpty = 0xFE;
    static constexpr std::uint8_t kBoxed = 0xFF;

    Box* Boxed() const;
    void SetBoxed(Box* box);
    void Release();
    // Keeps the value in the box: the cell has extras, or the value cannot be inline.
    void StoreBoxed(runtime::Variant value);

    char bytes_[kInlineCapacity] = {};
    std::uint8_t kind_ = kEmpty;  // inline text length, or kEmpty / kBoxed
};

}  // namespace grid
