#pragma once

#include <string>
#include <vector>

#include "os/types/Types.h"

namespace os {

struct HeaderItem {
    std::string text;
    int width = 0;
    int format = 0;
    int image = -1;
    LPARAM data = 0;
};

// The items of a header by index, and the order they are shown in.
class HeaderItems {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool Has(int index) const { return index >= 0 && index < Count(); }
    HeaderItem& At(int index) { return items_[static_cast<size_t>(index)]; }
    const HeaderItem& At(int index) const { return items_[static_cast<size_t>(index)]; }

    // Inserts before index (clamped to the end); the new item is shown at
    // the same display position. Returns its index.
    int Insert(int index, HeaderItem item);
    bool Delete(int index);

    int IndexAtOrder(int order) const;
    int OrderOf(int index) const;
    void Move(int index, int order);

    int Left(int index) const;
    int RightEdge() const;
    // The item under x, -1 when none.
    int ItemAt(int x) const;
    // The item whose right edge is within reach of x, -1 when none.
    int DividerAt(int x) const;
    // The display position a drop at x lands on.
    int OrderAt(int x) const;

private:
    std::vector<HeaderItem> items_;
    std::vector<int> order_;  // display position -> index
};

}  // namespace os
