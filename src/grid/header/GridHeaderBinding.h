#pragma once

#include <cstdint>

#include "controls/HeaderControlEvents.h"
#include "controls/cFlatHeader.h"
#include "controls/cHeaderControl.h"
#include "grid/header/GridHeader.h"
#include "grid/header/HeaderedGrid.h"
#include "grid/header/TrackingLine.h"
#include "grid/view/GridParts.h"
#include "os/types/Types.h"

namespace grid {

// The grid's column header: one header item per visible column, kept in
// step with the column table and the header settings, and the grid's
// reactions to what the user does with the header (resizing, fitting,
// reordering and clicking columns).
// The items stand in display order (an item's index is its order), and
// each holds the position of its column as its data value: the header's
// own numbers stay in here, the grid hears of positions only.
class GridHeaderBinding : public GridHeader,
                          public controls::IHeaderControlEvents,
                          private ColumnMoveListener {
public:
    GridHeaderBinding(const GridParts& parts, HeaderedGrid& grid);
    ~GridHeaderBinding() override;
    GridHeaderBinding(const GridHeaderBinding&) = delete;
    GridHeaderBinding& operator=(const GridHeaderBinding&) = delete;

    // Makes the header on the grid's window and applies the settings.
    void Create(os::HWND gridWindow);
    controls::cHeaderControl& Control() { return header_; }
    const controls::cFlatHeader& FlatPainter() const { return flat_; }
    const TrackingLine& Tracking() const { return tracking_; }
    // The item of the column at the position, -1 when it has none.
    std::int32_t ItemOf(std::int32_t position);

    // GridHeader
    void RecreateItems() override;
    void ShowColumnWidth(std::int32_t position) override;
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
    // Inserts the item of the column at the position as item `index`.
    void InsertItem(std::int32_t position, std::int32_t index);
    // The display position an item stands for, -1 when none.
    std::int32_t PositionOfItem(std::int32_t item) const;
    std::int32_t PositionOfDrop(std::int32_t order) const;
    // ColumnMoveListener: the moved column's item moves along.
    void ColumnMoved(std::int32_t from, std::int32_t to) override;

    const GridParts& parts_;
    HeaderedGrid& grid_;
    controls::cHeaderControl header_;
    controls::cFlatHeader flat_;
    TrackingLine tracking_;
    bool updatingWidths_ = false;  // the grid writes item widths: their events are its own
};

}  // namespace grid
