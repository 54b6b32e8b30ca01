#include "grid/model/RowStore.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace grid {

namespace {

// Pixel sums are kept wide; what the grid reads stays within its 32 bits.
std::int32_t Pixels(std::int64_t sum) { return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, 0, INT32_MAX)); }

}  // namespace

bool RowStore::Uniform(const RowShape& shape) const {
    return shape.height == height_ && shape.visible && !shape.fixed && shape.extras == 0;
}

std::int64_t RowStore::ExtraRoom(const RowShape& shape) const {
    return (shape.visible && !shape.fixed ? shape.height : 0) - std::int64_t{height_};
}

std::size_t RowStore::Find(std::int32_t row) const {
    const auto at = std::lower_bound(exceptions_.begin(), exceptions_.end(), row,
                                     [](const Exception& e, std::int32_t r) { return e.row < r; });
    return static_cast<std::size_t>(at - exceptions_.begin());
}

std::int64_t RowStore::RoomBefore(std::size_t exception) const {
    return exception < exceptions_.size() ? exceptions_[exception].roomBefore : roomTotal_;
}

std::int64_t RowStore::FixedBefore(std::size_t exception) const {
    return exception < exceptions_.size() ? exceptions_[exception].fixedBefore : fixedTotal_;
}

RowShape RowStore::Shape(std::int32_t row) const {
    const std::size_t at = Find(row);
    return at < exceptions_.size() && exceptions_[at].row == row ? exceptions_[at].shape : UniformShape();
}

GridRow RowStore::At(std::int32_t row) const {
    if (exceptions_.empty()) return {height_, Pixels(std::int64_t{row} * height_), Dirty(row), true, false};
    const std::size_t at = Find(row);
    const RowShape shape = at < exceptions_.size() && exceptions_[at].row == row ? exceptions_[at].shape : UniformShape();
    const std::int64_t top = shape.fixed ? FixedBefore(at) : std::int64_t{row} * height_ + RoomBefore(at);
    return {shape.height, Pixels(top), Dirty(row), shape.visible, shape.fixed};
}

void RowStore::Store(std::size_t at, std::int32_t row, const RowShape& shape) {
    const bool kept = at < exceptions_.size() && exceptions_[at].row == row;
    const auto place = exceptions_.begin() + static_cast<std::ptrdiff_t>(at);
    if (Uniform(shape)) {
        if (kept) exceptions_.erase(place);
    } else if (kept) {
        exceptions_[at].shape = shape;
    } else {
        exceptions_.insert(place, Exception{row, shape});
    }
    Resum(at);
}

void RowStore::Resum(std::size_t from) {
    std::int64_t room = 0, fixed = 0;
    if (from > 0) {
        const Exception& previous = exceptions_[from - 1];
        room = previous.roomBefore + ExtraRoom(previous.shape);
        fixed = previous.fixedBefore + FixedRoom(previous.shape);
    }
    for (std::size_t k = from; k < exceptions_.size(); ++k) {
        Exception& e = exceptions_[k];
        e.roomBefore = room;
        e.fixedBefore = fixed;
        room += ExtraRoom(e.shape);
        fixed += FixedRoom(e.shape);
    }
    roomTotal_ = room;
    fixedTotal_ = fixed;
}

bool RowStore::SetShape(std::int32_t row, const RowShape& shape) {
    const std::size_t at = Find(row);
    const RowShape old = Shape(row);
    RowShape next = shape;
    next.extras = old.extras;
    Store(at, row, next);
    bool moved = false;
    if (ExtraRoom(old) != ExtraRoom(next)) moved = MarkScrollingRowsAfter(row);
    if (FixedRoom(old) != FixedRoom(next)) moved = MarkFixedRowsAfter(row) || moved;
    return moved;
}

RowExtras& RowStore::MutableExtras(std::int32_t row) {
    const std::size_t at = Find(row);
    RowShape shape = Shape(row);
    const bool first = shape.extras == 0;
    RowExtras& entry = extras_.For(shape);
    if (first) Store(at, row, shape);
    return entry;
}

// Fixed rows come first, so the rows after a scrolling row are scrolling rows
// (a fixed row left among them by a removal is merely repainted too).
bool RowStore::MarkScrollingRowsAfter(std::int32_t row) {
    if (row + 1 >= count_) return false;
    MarkFrom(row + 1);
    return true;
}

bool RowStore::MarkFixedRowsAfter(std::int32_t row) {
    bool any = false;
    for (std::size_t k = Find(row + 1); k < exceptions_.size(); ++k)
        if (exceptions_[k].shape.fixed) {
            SetDirty(exceptions_[k].row, true);
            any = true;
        }
    return any;
}

void RowStore::MarkFrom(std::int32_t row) {
    std::fill(dirty_.begin() + row, dirty_.end(), true);
}

std::int32_t RowStore::FixedHeight() const { return Pixels(fixedTotal_); }

std::int32_t RowStore::ScrollingHeight() const {
    if (count_ == 0) return 0;
    if (!exceptions_.empty() && exceptions_.back().row == count_ - 1 && exceptions_.back().shape.fixed) return 0;
    return Pixels(std::int64_t{count_} * height_ + roomTotal_);
}

void RowStore::Append(const RowShape& shape, std::int32_t rows) {
    if (rows <= 0) return;
    if (count_ == 0) height_ = shape.height;
    RowShape added = shape;
    added.extras = 0;
    if (!Uniform(added)) {
        const std::size_t from = exceptions_.size();
        for (std::int32_t r = 0; r < rows; ++r) exceptions_.push_back(Exception{count_ + r, added});
        Resum(from);
    }
    count_ += rows;
    if (rows == 1) dirty_.push_back(true);  // rows added one by one
    else dirty_.resize(static_cast<std::size_t>(count_), true);
}

void RowStore::Insert(std::int32_t before, const RowShape& shape) {
    const std::size_t at = Find(before);
    for (std::size_t k = at; k < exceptions_.size(); ++k) ++exceptions_[k].row;
    ++count_;
    dirty_.insert(dirty_.begin() + before, true);
    RowShape added = shape;
    added.extras = 0;
    Store(at, before, added);
    MarkFrom(before);
}

void RowStore::Erase(std::int32_t row) {
    const std::size_t at = Find(row);
    if (at < exceptions_.size() && exceptions_[at].row == row) {
        extras_.Release(exceptions_[at].shape);
        exceptions_.erase(exceptions_.begin() + static_cast<std::ptrdiff_t>(at));
    }
    for (std::size_t k = at; k < exceptions_.size(); ++k) --exceptions_[k].row;
    --count_;
    dirty_.erase(dirty_.begin() + row);
    Resum(at);
    MarkFrom(row);
}

void RowStore::Truncate(std::int32_t count) {
    if (count >= count_) return;
    const std::size_t at = Find(count);
    for (std::size_t k = at; k < exceptions_.size(); ++k) extras_.Release(exceptions_[k].shape);
    exceptions_.erase(exceptions_.begin() + static_cast<std::ptrdiff_t>(at), exceptions_.end());
    count_ = count;
    dirty_.resize(static_cast<std::size_t>(count_));
    Resum(at);
    if (count_ == 0) extras_.Clear();
}

void RowStore::SetAllHeights(std::int32_t height) {
    height_ = height;
    for (Exception& e : exceptions_) e.shape.height = height;
    std::erase_if(exceptions_, [this](const Exception& e) { return Uniform(e.shape); });
    Resum(0);
    MarkFrom(0);
}

void RowStore::SetFixedRows(std::int32_t rows) {
    const std::int32_t fixed = std::clamp(rows, 0, count_);
    std::vector<Exception> next;
    next.reserve(exceptions_.size() + static_cast<std::size_t>(fixed));
    bool changed = false;
    std::size_t k = 0;
    for (std::int32_t r = 0; r < fixed; ++r) {
        RowShape shape = k < exceptions_.size() && exceptions_[k].row == r ? exceptions_[k++].shape : UniformShape();
        changed = changed || !shape.fixed;
        shape.fixed = true;
        next.push_back(Exception{r, shape});
    }
    for (; k < exceptions_.size(); ++k) {
        Exception e = exceptions_[k];
        changed = changed || e.shape.fixed;
        e.shape.fixed = false;
        if (!Uniform(e.shape)) next.push_back(e);
    }
    exceptions_ = std::move(next);
    Resum(0);
    if (changed) MarkFrom(0);
}

void RowStore::ShrinkToFit() {
    exceptions_.shrink_to_fit();
    dirty_.shrink_to_fit();
}

}  // namespace grid
