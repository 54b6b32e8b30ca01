#pragma once

#include <cstdint>
#include <string>

#include "runtime/Variant.h"

namespace grid {

// The events the grid raises to its host, in the order of their dispatch
// identifiers 1 to 30. Arguments passed by reference may be changed by the
// host; the grid reads them back after raising the event.
class GridEvents {
public:
    virtual ~GridEvents() = default;

    virtual void ColumnClick(std::int32_t /*lCol*/) {}
    // The width events carry widths in pixels, as the header reports them.
    virtual void ColumnWidthStartChange(std::int32_t /*lCol*/, std::int32_t /*lWidth*/, bool& /*bCancel*/) {}
    virtual void ColumnWidthChanging(std::int32_t /*lCol*/, std::int32_t /*lWidth*/, bool& /*bCancel*/) {}
    virtual void ColumnWidthChanged(std::int32_t /*lCol*/, std::int32_t /*lWidth*/, bool& /*bCancel*/) {}
    virtual void ColumnWidthChangeDone(std::int32_t /*lCol*/) {}
    virtual void ColumnAutoWidth(std::int32_t /*lCol*/, bool& /*bCancel*/) {}
    virtual void HeaderRightClick(float /*x*/, float /*y*/) {}
    virtual void SelectionChange(std::int32_t /*lRow*/, std::int32_t /*lCol*/) {}
    virtual void KeyDown(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
    virtual void KeyPress(std::int16_t& /*KeyAscii*/) {}
    virtual void KeyUp(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
    virtual void MouseDown(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*x*/, float& /*y*/) {}
    virtual void MouseDownTest(bool& /*bDoDefault*/) {}
    virtual void MouseMove(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*x*/, float& /*y*/) {}
    virtual void MouseUp(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*x*/, float& /*y*/) {}
    virtual void DblClick() {}
    virtual void ColumnOrderChanged() {}
    virtual void RowColChange() {}
    virtual void RowChange() {}
    virtual void LeaveCell() {}
    virtual void EnterCell() {}
    virtual void Click() {}
    virtual void StartEdit(std::int32_t /*lRow*/, std::int32_t /*lCol*/, bool& /*Cancel*/) {}
    virtual void EditDone(std::string& /*NewData*/, bool& /*Cancel*/) {}
    virtual void AfterUpdate(const std::string& /*s*/) {}
    virtual void RequestRow(std::int32_t /*lRow*/, std::string& /*sKey*/, bool& /*bVisible*/, std::int32_t& /*lHeight*/,
                            bool& /*bGroupRow*/, bool& /*bNoMoreRows*/) {}
    virtual void RequestRowData(std::int32_t /*lRow*/) {}
    virtual void FieldRead(runtime::Variant& /*Value*/, std::int32_t /*lCol*/, std::int32_t /*lRow*/) {}
    virtual void DataRead(std::int32_t /*lRow*/) {}
    virtual void LoadDone() {}
};

}  // namespace grid
