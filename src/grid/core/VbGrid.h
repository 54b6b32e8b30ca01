#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "grid/model/CellRows.h"
#include "grid/model/GridAppearance.h"
#include "grid/core/CellStorageTable.h"
#include "grid/model/RowStore.h"
#include "grid/model/GridCanvas.h"
#include "grid/model/GridColumnModel.h"
#include "grid/model/GridEvents.h"
#include "grid/model/GridInteraction.h"
#include "grid/model/GridRecords.h"
#include "grid/model/GridSettings.h"
#include "grid/model/GridTable.h"
#include "grid/model/TextFlags.h"
#include "grid/header/GridHeader.h"
#include "grid/header/HeaderedGrid.h"
#include "grid/paint/GridPainter.h"
#include "grid/paint/PaintedGrid.h"
#include "grid/view/GridHost.h"
#include "grid/view/GridInputParts.h"
#include "grid/view/GridParts.h"
#include "grid/view/GridScroller.h"
#include "grid/view/GridViewState.h"
#include "os/types/GdiTypes.h"
#include "runtime/Variant.h"

namespace grid {

class PropertyBag;

// A column argument: a number is a data index, a text is a column key,
// Empty (or an empty text) is the current column.
using ColumnArg = runtime::Variant;

// The results grid: columns, rows and cells, their display settings, the
// current cell and the repaint bookkeeping, behind the control's public
// interface. Sizes are twips outside and pixels inside. Its helpers work on
// its parts (GridParts for layout, painting and header, GridInputParts for
// input) and call back through GridHost, PaintedGrid and HeaderedGrid.
class VbGrid : private ColumnMoveListener,
               private GridHost,
               private GridSheet,
               private PaintedGrid,
               private HeaderedGrid {
public:
    explicit VbGrid(GridCanvas* canvas = nullptr);
    ~VbGrid() override;
    VbGrid(const VbGrid&) = delete;
    VbGrid& operator=(const VbGrid&) = delete;

    void SetEvents(GridEvents* events) { events_ = events; }
    void SetPainter(GridPainter* painter) { painter_ = painter; }
    void SetHeaderControl(GridHeader* header) { headerControl_ = header; }
    void SetScroller(GridScroller* scroller) { scroller_ = scroller; }
    GridCanvas& Canvas() const { return *canvas_; }
    GridEvents& Events() const override;

    // --- the table the cells show ---
    // The cells' texts, fore colours and drawing flags: the grid's own cells,
    // or the table a host gave it.
    const GridTable& Table() const { return *table_; }
    // Replaces the rows with the rows of a host's table, which must outlive
    // its use here: the cells show its texts, colours and flags, while the
    // rows' heights, visibility and selection stay the grid's. Writing a cell
    // changes nothing shown then. nullptr, like clearing the rows, goes back
    // to the grid's own cells.
    void ShowTable(const GridTable* table);
    bool ShowsOwnCells() const { return table_ == &ownTable_; }

    // --- table and column structure ---
    std::int32_t Cols() const { return columns_.Count(); }
    void SetCols(std::int32_t aCol);
    std::int32_t Columns() const { return Cols(); }
    std::int32_t Rows() const { return rows_.Count(); }
    void SetRows(std::int32_t lRows);
    std::int32_t AddColumn(const std::string& vKey = "", const std::string& sHeader = "", std::int32_t eFixAlign = -1,
                           std::int32_t iIconIndex = -1, std::int32_t lColumnWidth = -1, bool bVisible = true,
                           bool bFixed = false, const ColumnArg& vKeyBefore = {}, bool bIncludeInSelect = true,
                           const std::string& sFmtString = "", bool bRowTextColumn = false, std::int32_t eAlign = -1);
    void RemoveColumn(const ColumnArg& vKey);
    // Makes room for `rows` rows in all, so that adding rows one by one up
    // to that number moves no rows and wastes no memory.
    void ReserveRows(std::int32_t rows);
    void AddRow(std::int32_t lRowBefore = -1, const std::string& sKey = "", bool bVisible = true,
                std::int32_t lHeight = -1, bool bGroupRow = false, std::int32_t lGroupColStartIndex = 0);
    void AddItem(const std::string& s);
    void RemoveRow(std::int32_t lRow);
    void Clear(bool bRemoveCols = false);
    void ClearCell(std::int32_t iRow, std::int32_t iCol) override;
    void SetHeaders();
    runtime::Variant ColumnIndex(const ColumnArg& vKey) const;
    std::int32_t FixedRows() const override { return fixedRows_; }
    void SetFixedRows(std::int32_t nRow);
    std::int32_t FixedCols() const override { return fixedCols_; }
    void SetFixedCols(std::int32_t nCol);
    std::int32_t RowTextStartColumn() const override { return rowTextStartColumn_; }
    void SetRowTextStartColumn(std::int32_t lColumn);

    // --- column properties ---
    std::string ColumnHeader(const ColumnArg& vKey) const;
    void SetColumnHeader(const ColumnArg& vKey, const std::string& sHeader);
    std::int32_t ColWidth(const ColumnArg& vKey = {}) const;
    void SetColWidth(const ColumnArg& vKey, std::int32_t lWidth);
    std::int32_t ColAlignment(const ColumnArg& vKey) const;
    void SetColAlignment(const ColumnArg& vKey, std::int32_t eAlign);
    std::int32_t FixedAlignment(const ColumnArg& vKey) const;
    void SetFixedAlignment(const ColumnArg& vKey, std::int32_t eAlign);
    std::string ColumnKey(std::int32_t lCol) const;
    void SetColumnKey(std::int32_t lCol, const std::string& sKey);
    std::string ColumnTag(const ColumnArg& vKey) const;
    void SetColumnTag(const ColumnArg& vKey, const std::string& sTag);
    runtime::Variant ColData(const ColumnArg& vKey) const;
    void SetColData(const ColumnArg& vKey, const runtime::Variant& vData);
    std::int32_t ColumnImage(const ColumnArg& vKey) const;
    void SetColumnImage(const ColumnArg& vKey, std::int32_t lImage);
    bool ColumnImageOnRight(const ColumnArg& vKey) const;
    void SetColumnImageOnRight(const ColumnArg& vKey, bool value);
    std::string ColumnFormatString(const ColumnArg& vKey) const;
    void SetColumnFormatString(const ColumnArg& vKey, const std::string& sFmtString);
    bool ColumnVisible(const ColumnArg& vKey) const;
    void SetColumnVisible(const ColumnArg& vKey, bool value);
    std::int32_t ColumnOrder(const ColumnArg& vKey) const;
    void SetColumnOrder(const ColumnArg& vKey, std::int32_t lOrder);
    bool ColEditable(const ColumnArg& vKey = {}) const;
    void SetColEditable(const ColumnArg& vKey, bool value);
    bool ColAutoResize(const ColumnArg& vKey = {}) const;
    void SetColAutoResize(const ColumnArg& vKey, bool value);
    bool ColCheck(const ColumnArg& vKey = {}) const;
    void SetColCheck(const ColumnArg& vKey, bool n);
    std::string ColToolTip(const ColumnArg& vKey) const;
    void SetColToolTip(const ColumnArg& vKey, const std::string& tt);
    std::string ToolTipTextCol(std::int32_t c) const;
    void SetToolTipTextCol(std::int32_t c, const std::string& s);
    bool LoadField(const ColumnArg& vKey) const;
    void SetLoadField(const ColumnArg& vKey, bool flg);
    std::string FieldName(const ColumnArg& vKey) const;
    std::int32_t KeySearchColumn() const override { return keySearchColumn_; }
    void SetKeySearchColumn(std::int32_t lCol) { keySearchColumn_ = lCol; }

    // --- row properties ---
    std::int32_t RowHeight(std::int32_t lRow) const;
    void SetRowHeight(std::int32_t lRow, std::int32_t aHeight);
    bool RowVisible(std::int32_t lRow) const;
    void SetRowVisible(std::int32_t lRow, bool value);
    std::int32_t RowTag(std::int32_t lRow) const;
    void SetRowTag(std::int32_t lRow, std::int32_t lTag);
    std::string Bookmark(std::int32_t lRow) const;
    // The key the row was added with.
    std::string RowKey(std::int32_t lRow) const;
    void SetBookmark(std::int32_t lRow, const std::string& nBM);
    std::int32_t DefaultRowHeight() const;
    void SetDefaultRowHeight(std::int32_t lHeight);
    std::int32_t RowHeightMin() const { return DefaultRowHeight(); }
    void SetRowHeightMin(std::int32_t lHeight) { SetDefaultRowHeight(lHeight); }

    // --- cell properties ---
    std::string TextMatrix(std::int32_t lRow, std::int32_t lCol) const override;
    void SetTextMatrix(std::int32_t lRow, std::int32_t lCol, std::string_view sText);
    runtime::Variant CellText(std::int32_t lRow, std::int32_t lCol) const override;
    void SetCellText(std::int32_t lRow, std::int32_t lCol, const runtime::Variant& sText) override;
    std::string CellFormattedText(std::int32_t lRow, std::int32_t lCol) const override;
    void CellDetails(std::int32_t lRow, std::int32_t lCol, const runtime::Variant& sText = {},
                     std::int32_t eTextAlign = text_flags::CellDetailsDefault, std::int32_t lIconIndex = -1,
                     std::int32_t oBackColor = -1, std::int32_t oForeColor = -1, FontRef oFont = nullptr,
                     std::int32_t lIndent = 0, std::int32_t lExtraIconIndex = -1,
                     const runtime::Variant& vItemData = {});
    std::int32_t CellForeColor(std::int32_t lRow = -1, std::int32_t lCol = -1) const;
    void SetCellForeColor(std::int32_t lRow, std::int32_t lCol, std::int32_t oColor);
    std::int32_t CellBackColor(std::int32_t lRow = -1, std::int32_t lCol = -1) const override;
    void SetCellBackColor(std::int32_t lRow, std::int32_t lCol, std::int32_t oColor);
    void CellDefaultForeColor(std::int32_t lRow, std::int32_t lCol);
    void CellDefaultBackColor(std::int32_t lRow, std::int32_t lCol);
    FontRef CellFont(std::int32_t lRow, std::int32_t lCol) const;
    void SetCellFont(std::int32_t lRow, std::int32_t lCol, FontRef sFnt);
    std::int32_t CellTextFlags(std::int32_t lRow, std::int32_t lCol) const;
    void SetCellTextFlags(std::int32_t lRow, std::int32_t lCol, std::int32_t eAlign);
    std::int32_t CellAlignment(std::int32_t lRow, std::int32_t lCol) const;
    void SetCellAlignment(std::int32_t lRow, std::int32_t lCol, std::int32_t oAlg);
    bool WordWrap(std::int32_t lRow = -1, std::int32_t lCol = -1) const;
    void SetWordWrap(std::int32_t lRow, std::int32_t lCol, bool New_WordWrap);
    std::int32_t CellIcon(std::int32_t lRow, std::int32_t lCol) const;
    void SetCellIcon(std::int32_t lRow, std::int32_t lCol, std::int32_t lIconIndex);
    std::int32_t CellExtraIcon(std::int32_t lRow, std::int32_t lCol) const;
    void SetCellExtraIcon(std::int32_t lRow, std::int32_t lCol, std::int32_t lIconIndex);
    bool CellExtraAtRight(std::int32_t lRow, std::int32_t lCol) const;
    void SetCellExtraAtRight(std::int32_t lRow, std::int32_t lCol, bool nv);
    std::int32_t CellIndent(std::int32_t lRow, std::int32_t lCol) const;
    void SetCellIndent(std::int32_t lRow, std::int32_t lCol, std::int32_t lIndent);
    runtime::Variant CellItemData(std::int32_t lRow, std::int32_t lCol) const;
    void SetCellItemData(std::int32_t lRow, std::int32_t lCol, const runtime::Variant& vItemData);
    bool CellSelected(std::int32_t lRow, std::int32_t lCol) const;
    void SetCellSelected(std::int32_t lRow, std::int32_t lCol, bool bState);
    std::string CellToolTip(std::int32_t lRow, std::int32_t lCol) const;
    void SetCellToolTip(std::int32_t lRow, std::int32_t lCol, const std::string& tt);
    PictureRef CellPicture(std::int32_t lRow = -1, std::int32_t lCol = -1) const;
    void SetCellPicture(std::int32_t lRow, std::int32_t lCol, PictureRef sPic);
    std::int32_t CellPictureWidth(std::int32_t lRow = -1, std::int32_t lCol = -1) const;
    void SetCellPictureWidth(std::int32_t lRow, std::int32_t lCol, std::int32_t Pw);

    // --- appearance (OLE colours) ---
    std::int32_t BackColor() const override { return look_.back.ole; }
    void SetBackColor(std::int32_t oColor) { SetColour(look_.back, oColor); }
    std::int32_t ForeColor() const { return look_.fore.ole; }
    void SetForeColor(std::int32_t oColor) { SetColour(look_.fore, oColor); }
    std::int32_t BackColorFixed() const { return look_.backFixed.ole; }
    void SetBackColorFixed(std::int32_t oColor) { SetColour(look_.backFixed, oColor); }
    std::int32_t ForeColorFixed() const { return look_.foreFixed.ole; }
    void SetForeColorFixed(std::int32_t oColor) { SetColour(look_.foreFixed, oColor); }
    std::int32_t BackColorSel() const { return look_.backSel.ole; }
    void SetBackColorSel(std::int32_t oColor) { SetColour(look_.backSel, oColor); }
    std::int32_t ForeColorSel() const { return look_.foreSel.ole; }
    void SetForeColorSel(std::int32_t oColor) { SetColour(look_.foreSel, oColor); }
    std::int32_t BackColorBkg() const { return look_.backBkg.ole; }
    void SetBackColorBkg(std::int32_t oColor) { SetColour(look_.backBkg, oColor); }
    std::int32_t GridColor() const { return look_.grid.ole; }
    void SetGridColor(std::int32_t oColor) { SetColour(look_.grid, oColor); }
    std::int32_t GridColorFixed() const { return look_.gridFixed.ole; }
    void SetGridColorFixed(std::int32_t oColor) { SetColour(look_.gridFixed, oColor); }

    std::int32_t GridLines() const { return NumberOf(settings_.gridLines); }
    void SetGridLines(std::int32_t bState) { SetSetting(settings_.gridLines, bState); }
    std::int32_t GridLinesFixed() const { return NumberOf(settings_.gridLinesFixed); }
    void SetGridLinesFixed(std::int32_t v) { SetSetting(settings_.gridLinesFixed, v); }
    std::int32_t GridLineWidth() const { return look_.gridLineWidth; }
    void SetGridLineWidth(std::int32_t v) { SetAppearance(look_.gridLineWidth, v); }
    const GridFont& Font() const { return look_.Font(); }
    void SetFont(const GridFont& sFont);
    std::int32_t TextStyle() const { return look_.textStyle; }
    void SetTextStyle(std::int32_t ts) { SetAppearance(look_.textStyle, ts); }
    std::int32_t TextStyleFixed() const { return look_.textStyleFixed; }
    void SetTextStyleFixed(std::int32_t ts) { SetAppearance(look_.textStyleFixed, ts); }
    std::int32_t HighLight() const { return NumberOf(settings_.highLight); }
    void SetHighLight(std::int32_t f) { SetSetting(settings_.highLight, f); }
    bool HighlightSelectedIcons() const { return look_.highlightSelectedIcons; }
    void SetHighlightSelectedIcons(bool v) { SetAppearance(look_.highlightSelectedIcons, v); }
    bool DisableIcons() const { return look_.disableIcons; }
    void SetDisableIcons(bool v) { SetAppearance(look_.disableIcons, v); }
    // An image-list object (something with a handle) or a 32-bit handle.
    void SetImageList(const runtime::Variant& vThis);
    std::intptr_t ImageListHandle() const { return look_.imageList; }
    PictureRef BackgroundPicture() const { return look_.BackgroundPicture(); }
    void SetBackgroundPicture(PictureRef sPic);
    std::int32_t BackgroundPictureWidth() const { return look_.backgroundPictureWidth; }
    void SetBackgroundPictureWidth(std::int32_t v) { SetAppearance(look_.backgroundPictureWidth, v); }
    std::int32_t BackgroundPictureHeight() const { return look_.backgroundPictureHeight; }
    void SetBackgroundPictureHeight(std::int32_t v) { SetAppearance(look_.backgroundPictureHeight, v); }
    std::int32_t Appearance() const { return look_.appearance; }
    void SetAppearance(std::int32_t na) { SetAppearance(look_.appearance, na); }
    std::int32_t BorderStyle() const { return look_.borderStyle; }
    void SetBorderStyle(std::int32_t eStyle) { SetAppearance(look_.borderStyle, eStyle); }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool bState) { SetAppearance(enabled_, bState); }
    std::int16_t MousePointer() const { return mousePointer_; }
    void SetMousePointer(std::int16_t p) { mousePointer_ = p; }
    PictureRef MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(PictureRef icon) { mouseIcon_ = std::move(icon); }
    std::string ToolTip() const override { return toolTip_; }
    void SetToolTip(const std::string& tt) { toolTip_ = tt; }
    std::int16_t ScrollBars() const { return NumberOf(settings_.scrollBars); }
    void SetScrollBars(std::int16_t eBars) { SetSetting(settings_.scrollBars, eBars); }
    std::int32_t ScrollBarStyle() const { return NumberOf(settings_.scrollBarStyle); }
    void SetScrollBarStyle(std::int32_t eStyle) { SetSetting(settings_.scrollBarStyle, eStyle); }
    bool Header() const { return look_.header.shown; }
    void SetHeader(bool bState);
    bool HeaderFlat() const { return look_.header.flat; }
    void SetHeaderFlat(bool bState);
    bool HeaderButtons() const { return look_.header.buttons; }
    void SetHeaderButtons(bool bState);
    bool HeaderHotTrack() const { return look_.header.hotTrack; }
    void SetHeaderHotTrack(bool bState);
    bool HeaderDragReOrderColumns() const { return look_.header.dragReorder; }
    void SetHeaderDragReOrderColumns(bool bState);
    std::int32_t HeaderHeight() const;
    void SetHeaderHeight(std::int32_t lHeight);
    // The height the header takes off the top of the client area: none
    // while the header is hidden.
    std::int32_t HeaderHeightPixels() const override { return look_.HeaderHeightPixels(); }
    os::HWND hWnd() const { return canvas_->Window(); }

    // --- current cell, selection and scrolling ---
    std::int32_t row() const { return view_.Row(); }
    void SetRow(std::int32_t lRow);
    std::int32_t col() const { return view_.Col(); }
    void SetCol(std::int32_t lCol);
    std::int32_t SelectedRow() const { return view_.Row(); }
    void SetSelectedRow(std::int32_t lRow);
    std::int32_t SelectedCol() const { return view_.Col(); }
    void SetSelectedCol(std::int32_t lCol);
    std::int32_t SelectionMode() const { return NumberOf(settings_.selectionMode); }
    void SetSelectionMode(std::int32_t mode) { SetSetting(settings_.selectionMode, mode); }
    bool MultiSelect() const override { return multiSelect_; }
    void SetMultiSelect(bool ms) { multiSelect_ = ms; }
    bool AllowBigSelection() const { return multiSelect_; }
    void SetAllowBigSelection(bool ms) { multiSelect_ = ms; }
    std::int32_t AllowUserResizing() const { return NumberOf(settings_.userResizing); }
    void SetAllowUserResizing(std::int32_t re);
    std::int32_t FocusRect() const { return NumberOf(settings_.focusRect); }
    void SetFocusRect(std::int32_t fc) { SetSetting(settings_.focusRect, fc); }
    bool DrawFocusRectangle() const { return AtLeast(settings_.focusRect, FocusRect::Light); }
    void SetDrawFocusRectangle(bool bDraw) { SetFocusRect(bDraw ? 1 : 0); }
    std::int32_t TopRow() const { return view_.TopRow(); }
    void SetTopRow(std::int32_t l);
    std::int32_t LeftCol() const { return view_.LeftCol(); }
    void SetLeftCol(std::int32_t lC);
    // Scrolls the cell into view: a row above the view becomes the top row,
    // one below it the bottom row; with fForce the row becomes the top row
    // even when it is in view. True when the view moved.
    bool EnsureVisible(std::int32_t lRow, std::int32_t lCol, bool fForce = false) override;
    // Scrolls as the mouse wheel does: zd in wheel units (120 a notch, positive
    // away from the user), three rows a notch.
    void Scroll(std::int32_t zd);
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool na) { autoScroll_ = na; }
    std::int32_t MouseRow() const { return view_.MouseRow(); }
    std::int32_t MouseCol() const { return view_.MouseCol(); }
    bool InEdit() const { return view_.InEdit(); }
    void ClearSelection();
    std::int32_t ScreenRows() const;
    // The cell under a point in client pixels (row and data index -1 when none).
    void CellFromPoint(std::int32_t xPixels, std::int32_t yPixels, std::int32_t& lRow, std::int32_t& lCol,
                       std::int32_t fromCol = 0, std::int32_t fromRow = 0) const override;
    // The cell's rectangle on screen, in twips (fTwips) or pixels.
    void CellBoundary(std::int32_t lRow, std::int32_t lCol, std::int32_t& lLeft, std::int32_t& lTop,
                      std::int32_t& lWidth, std::int32_t& lHeight, bool fTwips = true) const;
    std::int32_t ColPos(std::int32_t c) const;
    bool ColIsVisible(std::int32_t c) const;
    // Text measurement: what a cell's text needs, in pixels.
    std::int32_t EvaluateTextHeight(std::int32_t lRow, std::int32_t lCol) const;
    std::int32_t EvaluateTextWidth(std::int32_t lRow, std::int32_t lCol, bool bForceNoModify = true) const override;
    void AutoHeightRow(std::int32_t lRow, std::int32_t lMinimumHeight = -1);
    void AutoWidthColumn(const ColumnArg& vKey);
    // A width change as the user makes it by the header: with its events,
    // and shared with the columns that resize automatically.
    void ChangeColumnWidth(std::int32_t position, std::int32_t widthPixels) override;
    // The width (pixels) that shows the whole content of the column at a
    // display position.
    std::int32_t FittingWidth(std::int32_t position) const override;
    // The width (pixels) that shows one cell (row, data index) whole.
    std::int32_t CellFittingWidth(std::int32_t lRow, std::int32_t lCol) const;
    bool HasFocus() const { return view_.HasFocus(); }
    // Moves the current cell to the next visible row, after the current one
    // and round to the top, whose cell in column col (a data index) matches
    // the pattern, ignoring case: mode 0 equal, 1 starting with it, 2
    // containing it. False, and nothing moves, when no row matches.
    bool Search(std::int32_t col, const std::string& Pattern, std::int32_t mode = 1);
    std::int32_t FindSearchMatchRow(const std::string& sSearchString, bool bLoop = true,
                                    bool bVisibleRowsOnly = true) const override;

    // --- redraw control ---
    bool Redraw() const override { return redraw_; }
    void SetRedraw(bool bState);
    bool DelayedRedraw() const { return delayedRedraw_; }
    void SetDelayedRedraw(bool sts) { delayedRedraw_ = sts; }
    void Refresh(bool fResize = false);
    void Draw();
    bool Virtual() const { return virtual_; }
    void SetVirtual(bool v) { virtual_ = virtualRows_ = v; }
    bool TrueVirtual() const { return trueVirtual_; }
    void SetTrueVirtual(bool v) { trueVirtual_ = v; }
    std::string DataSrc() const { return dataSrc_; }
    void SetDataSrc(const std::string& src) { dataSrc_ = src; }

    // --- stored settings (VbGridPersistence.cpp) ---
    void WriteProperties(PropertyBag& bag) const;
    // Applies each stored value through its property: the properties' errors reach the caller.
    void ReadProperties(const PropertyBag& bag);
    // A grid placed anew, without stored settings.
    void InitProperties(const GridFont& ambientFont = GridFont{});

    // --- virtual mode (VirtualRows.cpp) ---
    // Rows are asked of the host while drawing, until it has no more.
    bool ServingVirtualRows() const override { return virtualRows_; }

    // --- for the layers of the grid (layout, painting, header, input) ---
    // The integer settings as their types.
    const GridSettings& Settings() const { return settings_; }
    // The colours (as set and as RGB), fonts, icons, picture and header looks.
    const GridAppearance& Look() const { return look_; }
    // What the layout, painting and header helpers work on.
    const GridParts& Parts() const { return parts_; }
    // The grid as its renderer drives it.
    PaintedGrid& Painted() { return *this; }
    // The grid as its header binding drives it.
    HeaderedGrid& Headered() { return *this; }
    // The columns: the header and hosts move them there and follow the moves.
    GridColumnModel& ColumnModel() override { return columns_; }
    const GridColumnModel& ColumnModel() const { return columns_; }
    const std::vector<GridColumn>& ColumnTable() const { return columns_.Table(); }
    const GridColumn& ColumnAt(std::int32_t position) const { return columns_.At(position); }
    // The row as laid out; a row outside the table throws std::out_of_range.
    GridRow RowAt(std::int32_t row) const override;
    const GridCell& CellAt(std::int32_t row, std::int32_t dataIndex) const override;
    std::int32_t PositionOfDataIndex(std::int32_t dataIndex) const { return columns_.PositionOf(dataIndex); }
    std::int32_t ResolveColumn(const ColumnArg& vKey) const;
    // --- for the header ---
    std::int32_t FixedWidth() const override { return fixedWidth_; }
    std::int32_t FixedHeight() const { return rows_.FixedHeight(); }
    // The cell's effective drawing flags (the table's, else its column's, with no-prefix).
    std::int32_t EffectiveTextFlags(std::int32_t row, std::int32_t dataIndex) const override;
    // A stored cell's fore colour, -1 for the grid's.
    std::int32_t ForeColourOf(const GridCell& cell) const;
    std::int32_t ToPixelsX(std::int32_t twips) const;
    std::int32_t ToPixelsY(std::int32_t twips) const;
    std::int32_t ToTwipsX(std::int32_t pixels) const;
    std::int32_t ToTwipsY(std::int32_t pixels) const;
    void SetScaleInPixels(bool pixels) { publicUnitPixels_ = pixels; }
    void SetLoading(bool loading) { loading_ = loading; }
    bool Loading() const override { return loading_; }

    // Repaint bookkeeping shared with the painter.
    bool FullRepaintPending() const { return view_.FullRepaintPending(); }
    void InvalidateAll();
    void MarkCellDirty(std::int32_t row, std::int32_t dataIndex);
    void MarkColumnsDirty(std::int32_t fromPosition, std::int32_t toPosition);
    void RequestRepaint(bool resize = false) override;
    // The cell's rectangle in client pixels, as the painter lays it out.
    os::RECT CellRect(std::int32_t row, std::int32_t dataIndex) const override;
    // What the scroll bars range over: the heights of the visible scrolling
    // rows, the widths of the visible scrolling columns.
    std::int32_t ScrollableHeight() const override;
    std::int32_t ScrollableWidth() const override;
    std::int32_t HorizontalOffset() const { return view_.HorizontalOffset(); }
    std::int32_t VerticalOffset() const { return view_.VerticalOffset(); }

    // --- for the input layers (keyboard, mouse, selection, editing) ---
    // The current cell, selection rows, scroll offsets and repaint marks.
    GridViewState& ViewState() { return view_; }
    const GridViewState& ViewState() const { return view_; }
    // What the input helpers work on.
    const GridInputParts& InputParts() { return inputParts_; }
    // Whether a row's cells were made: a walk over many rows may skip the fresh ones.
    bool CellsStored(std::int32_t row) const { return cells_.Stored(static_cast<std::size_t>(row)); }
    void SetCellEditor(GridCellEditor* editor) { editor_ = editor; }
    bool FocusInside() const { return view_.FocusInside(Rows(), Cols()); }

    // The error source of the grid's errors ("<executable>.vbGrid").
    std::string ErrorSource() const;

private:
    // Writing makes the row's cells; reading a fresh row does not.
    GridCell& MutableCell(std::int32_t row, std::int32_t dataIndex) {
        return cells_.Row(static_cast<std::size_t>(row))[dataIndex];
    }
    const GridCell& Cell(std::int32_t row, std::int32_t dataIndex) const {
        return cells_.At(static_cast<std::size_t>(row), static_cast<std::size_t>(dataIndex));
    }
    void ValidateCell(std::int32_t row, std::int32_t dataIndex) const;
    // Whether the table has the row: rows added beyond a host's table show empty cells.
    bool InTable(std::int32_t row) const { return row < table_->RowCount(); }
    void ValidateRow(std::int32_t row) const;
    std::int32_t RequirePosition(const ColumnArg& vKey, bool standardText) const;
    GridColumn* FindColumn(const ColumnArg& vKey);
    const GridColumn* FindColumn(const ColumnArg& vKey) const;
    void ColumnMoved(std::int32_t from, std::int32_t to) override;
    // GridHost: what only the input helpers ask of the grid.
    std::int32_t ScrollingRowsHeight() const override;
    GridCellEditor* CellEditor() const override { return editor_; }
    // Stores an edited text as the cell's value with its shown text and
    // marks it for repainting; a failure leaves the cell as it was.
    void StoreEditedText(std::int32_t row, std::int32_t dataIndex, const std::string& text) override;
    // Moves the view by the bars' small change or large change (page).
    void ScrollByStep(bool vertical, std::int32_t direction, bool page) override;
    // The scroll bars moved the view to these offsets: repaint what changed.
    void FollowScrollBars(std::int32_t horizontal, std::int32_t vertical) override;
    bool OnCells(std::int32_t x, std::int32_t y) const override;
    std::int32_t DefaultRowHeightPixels() const override { return ToPixelsY(DefaultRowHeight()); }
    // The columns left of FixedCols are the fixed ones.
    void MarkFixedColumns();
    void RecomputeColumnLefts();
    void ComputeShownText(std::int32_t row, std::int32_t dataIndex);
    void RecomputeShownTexts(std::int32_t dataIndex);
    void StoreValue(std::int32_t row, std::int32_t dataIndex, const runtime::Variant& value);
    void ApplyColumnWidth(std::int32_t position, std::int32_t widthPixels);
    void EraseColumn(std::int32_t position);
    // LeftCol becomes the first column on screen.
    void FollowLeftCol();
    void GrowRowsTo(std::int32_t count);
    // Rows from `count` on go, with their cells and extras.
    void DropRowsFrom(std::int32_t count);
    void InsertCellColumn(std::int32_t dataIndex);
    void EraseCellColumn(std::int32_t dataIndex);
    void MoveCurrentCell(std::int32_t row, std::int32_t col);
    // Moves the view to pixel offsets through the scroll bars when there are any.
    void ScrollView(std::int32_t x, std::int32_t y);
    void SetColour(GridColour& colour, std::int32_t ole);
    void ApplyHeaderSettings();
    void SetHeaderSetting(bool& field, bool value);
    template <class T>
    void SetAppearance(T& field, T value) {
        field = value;
        InvalidateAll();
    }
    template <class Setting>
    void SetSetting(Setting& field, std::int32_t number) {
        SetAppearance(field, SettingOf<Setting>(number));
    }
    void ResolveCurrent(std::int32_t& row, std::int32_t& col) const;
    void SetCellColour(std::int32_t lRow, std::int32_t lCol, std::int32_t CellExtras::*field, std::int32_t oColor);
    // Keeps the colour in the cell as an entry of the colour table, or in
    // its extras once the table is full.
    void StoreForeColour(GridCell& cell, std::int32_t colour);
    template <class T>
    void SetCellAttribute(std::int32_t lRow, std::int32_t lCol, T CellExtras::*field, T value);
    [[noreturn]] void Raise(std::int32_t number, const std::string& description = {}) const;

    // --- reached by the helpers through the grid's parts and interfaces ---
    std::int32_t BufferRowHeight() const override { return bufferRowHeight_; }
    bool UpdateScrollBars() override { return scroller_ && scroller_->UpdateRanges(); }
    void LayoutHeader() override {
        if (headerControl_) headerControl_->Layout();
    }
    // Widens (or narrows) the columns that resize themselves so that the
    // visible columns fill the width: spread evenly, the remainder to the first.
    void FitAutoResizeColumns(std::int32_t dataWidth) override;
    // Asks the host for rows after the last one while the rows end above
    // the bottom of the window; true when rows were added.
    bool RequestVirtualRows() override;
    void ClearCellDirty(std::int32_t row, std::int32_t dataIndex) override;
    void ClearRowDirty(std::int32_t row) override;
    // A fresh row's cells wait to be drawn already.
    void SetCellDirty(std::int32_t row, std::int32_t dataIndex) override {
        if (CellsStored(row)) MutableCell(row, dataIndex).dirty = true;
    }
    void SetRowDirty(std::int32_t row) override { rows_.SetDirty(row, true); }
    // The text a cell shows, as the table gives it.
    std::string DisplayedText(std::int32_t row, std::int32_t dataIndex) const override;
    // The fore colour the table gives a cell, -1 for the grid's.
    std::int32_t ShownForeColour(std::int32_t row, std::int32_t dataIndex) const override;
    // The visible columns other than the one at position that resize
    // themselves, by display position.
    std::vector<std::int32_t> OtherAutoResizeColumns(std::int32_t position) const override;

    CellStorageTable ownTable_{*this};
    const GridTable* table_ = &ownTable_;
    std::unique_ptr<DetachedCanvas> ownCanvas_;  // without a window's canvas
    GridCanvas* canvas_;
    GridEvents* events_ = nullptr;
    GridPainter* painter_ = nullptr;
    GridHeader* headerControl_ = nullptr;
    GridScroller* scroller_ = nullptr;
    GridCellEditor* editor_ = nullptr;
    GridViewState view_;

    GridColumnModel columns_;
    RowStore rows_;
    CellRows cells_;                           // Cols() cells a row, by data index
    // The fore colours cells use, so that a cell holds one byte for its own;
    // entry 0 stands for none.
    std::vector<std::int32_t> foreColours_{-1};

    std::int32_t fixedRows_ = 0;
    std::int32_t fixedCols_ = 0;
    std::int32_t fixedWidth_ = 0;
    std::int32_t defaultRowHeight_ = 16;  // pixels
    std::int32_t defaultColumnWidth_ = 64;
    std::int32_t rowTextStartColumn_ = -1;
    std::int32_t rowTextMarkerColumn_ = -1;
    bool rowTextFlag_ = false;
    std::int32_t keySearchColumn_ = 0;
    std::int32_t bufferRowHeight_ = 16;

    GridAppearance look_;
    bool enabled_ = true;
    std::int16_t mousePointer_ = 0;
    PictureRef mouseIcon_;
    std::string toolTip_;

    bool multiSelect_ = false;
    GridSettings settings_;
    bool autoScroll_ = true;

    bool redraw_ = true;
    bool delayedRedraw_ = false;
    bool drawGuard_ = false;
    bool loading_ = false;
    bool virtual_ = false;
    bool virtualRows_ = false;  // still asking the host for rows
    bool trueVirtual_ = false;
    std::string dataSrc_;
    bool publicUnitPixels_ = false;
    GridInputParts inputParts_{view_, columns_, rows_, cells_, settings_, *canvas_, *this};
    GridParts parts_;
};

}  // namespace grid
