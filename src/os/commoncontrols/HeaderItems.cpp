#include "os/commoncontrols/HeaderItems.h"

#include <algorithm>
#include <cstdlib>

namespace os {

namespace {

constexpr int DividerReach = 3;  // pixels either side of an item's right edge

}  // namespace

int HeaderItems::Insert(int index, HeaderItem item) {
    index = std::clamp(index, 0, Count());
    for (int& shown : order_) {
        if (shown >= index) ++shown;
    }
    items_.insert(items_.begin() + index, std::move(item));
    const int position = std::min(index, static_cast<int>(order_.size()));
    order_.insert(order_.begin() + position, index);
    return index;
}

bool HeaderItems::Delete(int index) {
    if (!Has(index)) return false;
    items_.erase(items_.begin() + index);
    std::erase(order_, index);
    for (int& shown : order_) {
        if (shown > index) --shown;
    }
    return true;
}

int HeaderItems::IndexAtOrder(int order) const {
    return order >= 0 && order < Count() ? order_[static_cast<size_t>(order)] : -1;
}

int HeaderItems::OrderOf(int index) const {
    const auto found = std::find(order_.begin(), order_.end(), index);
    return found == order_.end() ? -1 : static_cast<int>(found - order_.begin());
}

void HeaderItems::Move(int index, int order) {
    if (!Has(index)) return;
    std::erase(order_, index);
    order = std::clamp(order, 0, static_cast<int>(order_.size()));
    order_.insert(order_.begin() + order, index);
}

int HeaderItems::Left(int index) const {
    int left = 0;
    for (int shown : order_) {
        if (shown == index) return left;
        left += At(shown).width;
    }
    return left;
}

int HeaderItems::RightEdge() const {
    int right = 0;
    for (const HeaderItem& item : items_) right += item.width;
    return right;
}

int HeaderItems::ItemAt(int x) const {
    int left = 0;
    for (int shown : order_) {
        const int right = left + At(shown).width;
        if (x >= left && x < right) return shown;
        left = right;
    }
    return -1;
}

// The last item in display order wins, so that items shrunk to nothing
// can be widened again.
int HeaderItems::DividerAt(int x) const {
    int found = -1;
    int right = 0;
    for (int shown : order_) {
        right += At(shown).width;
        if (std::abs(x - right) <= DividerReach) found = shown;
    }
    return found;
}

int HeaderItems::OrderAt(int x) const {
    if (Count() == 0) return -1;
    const int item = ItemAt(x);
    if (item >= 0) return OrderOf(item);
    return x < 0 ? 0 : Count() - 1;
}

}  // namespace os
