#pragma once

#include <cstdint>

namespace controls {

// What cHeaderControl tells its host. Columns are header item indices;
// RightClick positions are twips of the header's client area. Every
// method does nothing unless overridden.
class IHeaderControlEvents {
public:
    virtual ~IHeaderControlEvents() = default;

    virtual void ColumnWidthChanged(std::int32_t /*lColumn*/, std::int32_t /*lWidth*/) {}
    virtual void ColumnWidthChanging(std::int32_t /*lColumn*/, std::int32_t /*lWidth*/, bool& /*bCancel*/) {}
    virtual void StartColumnWidthChange(std::int32_t /*lColumn*/, std::int32_t /*lWidth*/, bool& /*bCancel*/) {}
    virtual void DividerDblClick(std::int32_t /*lColumn*/) {}
    virtual void ColumnClick(std::int32_t /*lColumn*/) {}
    virtual void ColumnDblClick(std::int32_t /*lColumn*/) {}
    virtual void ColumnBeginDrag(std::int32_t /*lColumn*/) {}
    virtual void ColumnEndDrag(std::int32_t /*lColumn*/, std::int32_t /*lOrder*/) {}
    virtual void RightClick(float /*x*/, float /*y*/) {}
    virtual void RecreateControl() {}
};

}  // namespace controls
