#include "grid/model/CellValue.h"

#include <cstring>
#include <memory>

namespace grid {

struct CellValue::Box {
    runtime::Variant value;
    std::unique_ptr<CellExtras> extras;
};

static_assert(sizeof(void*) <= CellValue::kInlineCapacity, "a box pointer must fit the inline room");

CellValue::Box* CellValue::Boxed() const {
    Box* box = nullptr;
    std::memcpy(&box, bytes_, sizeof box);
    return box;
}

void CellValue::SetBoxed(Box* box) {
    std::memcpy(bytes_, &box, sizeof box);
    kind_ = kBoxed;
}

void CellValue::Release() {
    if (kind_ == kBoxed) delete Boxed();
    kind_ = kEmpty;
}

CellValue::CellValue(const CellValue& other) {
    if (other.kind_ == kBoxed) {
        const Box& source = *other.Boxed();
        auto box = std::make_unique<Box>();
        box->value = source.value;
        if (source.extras) box->extras = std::make_unique<CellExtras>(*source.extras);
        SetBoxed(box.release());
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

void CellValue::StoreBoxed(runtime::Variant value) {
    if (kind_ == kBoxed) {
        Boxed()->value = std::move(value);
        return;
    }
    auto box = std::make_unique<Box>();
    box->value = std::move(value);
    SetBoxed(box.release());
}

void CellValue::AssignText(std::string_view text) {
    if (text.size() <= kInlineCapacity && !HasExtras()) {
        Release();
        if (!text.empty()) std::memcpy(bytes_, text.data(), text.size());  // an empty view may hold no address
        kind_ = static_cast<std::uint8_t>(text.size());
        return;
    }
    StoreBoxed(runtime::Variant(std::string(text)));
}

void CellValue::Assign(const runtime::Variant& value) {
    if (value.IsText()) {
        AssignText(value.Text());
    } else if (value.IsEmpty() && !HasExtras()) {
        Release();
    } else {
        StoreBoxed(value);
    }
}

bool CellValue::IsEmpty() const { return kind_ == kEmpty || (kind_ == kBoxed && Boxed()->value.IsEmpty()); }

bool CellValue::IsText() const { return kind_ <= kInlineCapacity || (kind_ == kBoxed && Boxed()->value.IsText()); }

runtime::Variant CellValue::Get() const {
    if (kind_ == kEmpty) return {};
    if (kind_ == kBoxed) return Boxed()->value;
    return runtime::Variant(std::string(bytes_, kind_));
}

std::string CellValue::Text() const {
    if (kind_ == kEmpty) return {};
    if (kind_ != kBoxed) return std::string(bytes_, kind_);
    const runtime::Variant& value = Boxed()->value;
    if (value.IsEmpty() || value.IsNull()) return {};
    try {
        return value.ToText();
    } catch (const std::exception&) {
        return {};  // an array or an unset object shows nothing
    }
}

const CellExtras& CellValue::Extras() const {
    static const CellExtras defaults;
    return HasExtras() ? *Boxed()->extras : defaults;
}

CellExtras& CellValue::MutableExtras() {
    if (kind_ != kBoxed) StoreBoxed(Get());
    Box& box = *Boxed();
    if (!box.extras) box.extras = std::make_unique<CellExtras>();
    return *box.extras;
}

bool CellValue::HasExtras() const { return kind_ == kBoxed && Boxed()->extras != nullptr; }

}  // namespace grid
