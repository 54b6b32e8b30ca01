#pragma once

#include <cstdint>

#include "controls/HeaderControlEvents.h"
#include "controls/cFlatHeader.h"
#include "controls/cHeaderControl.h"
#include "grid/TrackingLine.h"
#include "grid/VbGrid.h"
#include "os/types/Types.h"

namespace grid {

// The grid's column header: one header item per visible column, kept in
// step with the column table and the header settings, and the grid's
// reactions to what the user does with the header (resizing, fitting,
// reordering and clicking columns).
class GridHeaderBinding : public GridHeader, public controls::IHeaderControlEvents {
public:
    explicit GridHeaderBinding(VbGrid& grid);
    ~GridHeaderBinding() override;
    GridHeaderBinding(const GridHeaderBinding&) = delete;
    GridHeaderBinding& operator=(const GridHeaderBinding&) = delete;

    // Makes the header on the grid's window and applies the settings.
    void Create(os::HWND gridWindow);
    controls::cHeaderControl& Control() { return header_; }
    const controls::cFlatHeader& FlatPainter() const { return flat_; }
    const TrackingLine& Tracking() const { return tracking_; }

    // GridHeader
    void RecreateItems() override;
    void SetItemWidth(std::int32_t item, std::int32_t width) override;
    std::int32_t ItemWidth(std::int32_t item) const override;
    void SetImageList(std::intptr_t imageList) override;
    void Layout() override;
    void ApplySettings() override;

    // IHeaderControlEvents
    void ColumnWidthChanged(std::int32_t lColumn, std::int32_t lWidth) override;
    void ColumnWidthChanging(std::int32_t lColumn, std::int32_t lWidth, bool& bCancel) override;
    void StartColumnWidthChange(std::int32_t lColumn, std::int32_t lWidth, bool& bCancel) override;
    void DividerDblClick(std::int32_t lColumn) override;
    void ColumnClick(std::int32_t lColumn) override;
    void ColumnEndDrag(std::int32_t lColumn, std::int32_t lOrder) override;
    void RightClick(float x, float y) override;
    void RecreateControl() override;

private:
    bool ResizingAllowed() const;
    void ApplyFlat();
    void InsertItem(std::int32_t position);
    // The display position an item stands for, -1 when none.
    std::int32_t PositionOfItem(std::int32_t item) const;
    std::int32_t PositionOfDrop(std::int32_t order) const;
    void MoveDroppedColumn(std::int32_t from, std::int32_t to);

    VbGrid& grid_;
    controls::cHeaderControl header_;
    controls::cFlatHeader flat_;
    TrackingLine tracking_;
    bool updatingWidths_ = false;  // the grid writes item widths: their events are its own
};

}  // namespace grid
