#include "grid/CellValue.h"

#include <cstring>

namespace grid {

runtime::Variant* CellValue::Boxed() const {
    runtime::Variant* boxed = nullptr;
    std::memcpy(&boxed, bytes_, sizeof boxed);
    return boxed;
}

void CellValue::SetBoxed(runtime::Variant* boxed) {
    std::memcpy(bytes_, &boxed, sizeof boxed);
    kind_ = kBoxed;
}

void CellValue::Release() {
    if (kind_ == kBoxed) delete Boxed();
    kind_ = kEmpty;
}

CellValue::CellValue(const CellValue& other) {
    if (other.kind_ == kBoxed) {
        SetBoxed(new runtime::Variant(*other.Boxed()));
    } else {
        std::memcpy(bytes_, other.bytes_, sizeof bytes_);
        kind_ = other.kind_;
    }
}

CellValue& CellValue::operator=(const CellValue& other) {
    if (this != &other) {
        CellValue copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CellValue::CellValue(CellValue&& other) noexcept {
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    kind_ = other.kind_;
    other.kind_ = kEmpty;
}

CellValue& CellValue::operator=(CellValue&& other) noexcept {
    if (this != &other) {
        Release();
        std::memcpy(bytes_, other.bytes_, sizeof bytes_);
        kind_ = other.kind_;
        other.kind_ = kEmpty;
    }
    return *this;
}

CellValue::~CellValue() { Release(); }

void CellValue::AssignText(std::string_view text) {
    if (text.size() <= kInlineCapacity) {
        Release();
        std::memcpy(bytes_, text.data(), text.size());
        kind_ = static_cast<std::uint8_t>(text.size());
        return;
    }
    auto* boxed = new runtime::Variant(std::string(text));
    Release();
    SetBoxed(boxed);
}

void CellValue::Assign(const runtime::Variant& value) {
    if (value.IsEmpty()) {
        Release();
        return;
    }
    if (value.IsText()) {
        AssignText(value.Text());
        return;
    }
    auto* boxed = new runtime::Variant(value);
    Release();
    SetBoxed(boxed);
}

bool CellValue::IsText() const { return kind_ <= kInlineCapacity || (kind_ == kBoxed && Boxed()->IsText()); }

runtime::Variant CellValue::Get() const {
    if (kind_ == kEmpty) return {};
    if (kind_ == kBoxed) return *Boxed();
    return runtime::Variant(std::string(bytes_, kind_));
}

std::string CellValue::Text() const {
    if (kind_ == kEmpty) return {};
    if (kind_ != kBoxed) return std::string(bytes_, kind_);
    const runtime::Variant& value = *Boxed();
    if (value.IsNull()) return {};
    try {
        return value.ToText();
    } catch (const std::exception&) {
        return {};  // an array or an unset object shows nothing
    }
}

}  // namespace grid
