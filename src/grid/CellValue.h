#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/Variant.h"

namespace grid {

// The value of one cell, kept small: short texts (the common case: numbers
// written as text) live inline, anything else in a Variant on the heap.
class CellValue {
public:
    CellValue() noexcept = default;
    CellValue(const CellValue& other);
    CellValue& operator=(const CellValue& other);
    CellValue(CellValue&& other) noexcept;
    CellValue& operator=(CellValue&& other) noexcept;
    ~CellValue();

    void Assign(const runtime::Variant& value);
    void AssignText(std::string_view text);

    runtime::Variant Get() const;
    bool IsEmpty() const { return kind_ == kEmpty; }
    bool IsText() const;
    // The value as text: "" for Empty and Null.
    std::string Text() const;

    static constexpr std::size_t kInlineCapacity = 13;

private:
    static constexpr std::uint8_t kEmpty = 0xFE;
    static constexpr std::uint8_t kBoxed = 0xFF;

    runtime::Variant* Boxed() const;
    void SetBoxed(runtime::Variant* boxed);
    void Release();

    char bytes_[kInlineCapacity] = {};
    std::uint8_t kind_ = kEmpty;  // inline text length, or kEmpty / kBoxed
};

}  // namespace grid
