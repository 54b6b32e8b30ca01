// The grid's stored design-time settings: written to and read from the
// property store of the window that holds the grid, key by key in one order.
#include <algorithm>

#include "grid/model/PropertyBag.h"
#include "grid/model/StoredForms.h"
#include "grid/core/VbGrid.h"

namespace grid {

namespace {

using runtime::Variant;

enum class Reading { Apply, Skip, Straight };

// One stored setting: its key, the default it is written with, the default
// it is read with (Empty: the same), how it is read back, and the property
// it goes through. A key without a default is always stored.
struct StoredKey {
    const char* name;
    Variant writeDefault;
    Variant readDefault;
    bool alwaysStored;
    Reading reading;
    Variant (*get)(const VbGrid&);
    void (*set)(VbGrid&, const Variant&);
};

Variant Int16(std::int32_t v) { return Variant(static_cast<std::int16_t>(std::clamp<std::int32_t>(v, -32768, 32767))); }
Variant Long(std::uint32_t v) { return Variant(static_cast<std::int32_t>(v)); }
Variant Bool(bool v) { return Variant(v); }
Variant Text(const char* v) { return Variant(std::string(v)); }

#define KEY(name, def, get, set) {name, def, {}, false, Reading::Apply, get, set}
#define GET(expr) [](const VbGrid& g) { return Variant(expr); }
#define GET16(expr) [](const VbGrid& g) { return Int16(expr); }
#define SET(expr) [](VbGrid& g, const Variant& v) { expr; }

const std::vector<StoredKey>& StoredKeys() {
    static const std::vector<StoredKey> keys = {
        KEY("Cols", Int16(3), GET16(g.Cols()), SET(g.SetCols(v.ToLong()))),
        KEY("FixedCols", Int16(1), GET16(g.FixedCols()), SET(g.SetFixedCols(v.ToLong()))),
        KEY("Rows", Int16(3), GET16(g.Rows()), SET(g.SetRows(v.ToLong()))),
        KEY("FixedRows", Int16(1), GET16(g.FixedRows()), SET(g.SetFixedRows(v.ToLong()))),
        KEY("MultiSelect", Bool(false), GET(g.MultiSelect()), SET(g.SetMultiSelect(v.ToBoolean()))),
        KEY("SelectionMode", Long(0), GET(g.SelectionMode()), SET(g.SetSelectionMode(v.ToLong()))),
        KEY("GridLines", Long(3), GET(g.GridLines()), SET(g.SetGridLines(v.ToLong()))),
        KEY("BackgroundPicture", Text(""), GET(PictureText(g.BackgroundPicture())),
            SET(g.SetBackgroundPicture(PictureFromText(v.Text())))),
        {"BackgroundPictureHeight", Long(0), {}, true, Reading::Apply, GET(g.BackgroundPictureHeight()),
         SET(g.SetBackgroundPictureHeight(v.ToLong()))},
        {"BackgroundPictureWidth", Long(0), {}, true, Reading::Apply, GET(g.BackgroundPictureWidth()),
         SET(g.SetBackgroundPictureWidth(v.ToLong()))},
        KEY("BackColor", Long(0x80000005), GET(g.BackColor()), SET(g.SetBackColor(v.ToLong()))),
        {"BackColorBkg", Long(0x80000005), Long(0x808080), false, Reading::Apply, GET(g.BackColorBkg()),
         SET(g.SetBackColorBkg(v.ToLong()))},
        KEY("BackColorFixed", Long(0x8000000F), GET(g.BackColorFixed()), SET(g.SetBackColorFixed(v.ToLong()))),
        KEY("ForeColor", Long(0x80000008), GET(g.ForeColor()), SET(g.SetForeColor(v.ToLong()))),
        KEY("ForeColorFixed", Long(0x80000008), GET(g.ForeColorFixed()), SET(g.SetForeColorFixed(v.ToLong()))),
        {"GridLineFixMode", Long(3), {}, false, Reading::Straight, GET(g.GridLinesFixed()), nullptr},
        KEY("FixedRows", Int16(0), GET16(g.FixedRows()), SET(g.SetFixedRows(v.ToLong()))),
        KEY("FixedCols", Int16(0), GET16(g.FixedCols()), SET(g.SetFixedCols(v.ToLong()))),
        KEY("ToolTip", Text(""), GET(g.ToolTip()), SET(g.SetToolTip(v.Text()))),
        KEY("GridColor", Long(0x8000000F), GET(g.GridColor()), SET(g.SetGridColor(v.ToLong()))),
        KEY("GridColorFixed", Long(0), GET(g.GridColorFixed()), SET(g.SetGridColorFixed(v.ToLong()))),
        KEY("BackColorSel", Long(0x8000000D), GET(g.BackColorSel()), SET(g.SetBackColorSel(v.ToLong()))),
        KEY("ForeColorSel", Long(0x8000000E), GET(g.ForeColorSel()), SET(g.SetForeColorSel(v.ToLong()))),
        // A missing or unreadable font leaves the one the grid has.
        {"Font", Text(""), {}, true, Reading::Apply, GET(FontText(g.Font())),
         SET(if (auto font = FontFromText(v.Text())) g.SetFont(*font))},
        KEY("Header", Bool(true), GET(g.Header()), SET(g.SetHeader(v.ToBoolean()))),
        KEY("HeaderButtons", Bool(true), GET(g.HeaderButtons()), SET(g.SetHeaderButtons(v.ToBoolean()))),
        KEY("HeaderDragReorderColumns", Bool(true), GET(g.HeaderDragReOrderColumns()),
            SET(g.SetHeaderDragReOrderColumns(v.ToBoolean()))),
        KEY("HeaderHotTrack", Bool(true), GET(g.HeaderHotTrack()), SET(g.SetHeaderHotTrack(v.ToBoolean()))),
        KEY("HeaderHeight", Int16(20), GET16(g.HeaderHeight()), SET(g.SetHeaderHeight(v.ToLong()))),
        {"HeaderFlat", Bool(false), {}, false, Reading::Skip, GET(g.HeaderFlat()), nullptr},
        KEY("BorderStyle", Long(1), GET(g.BorderStyle()), SET(g.SetBorderStyle(v.ToLong()))),
        KEY("ScrollBarStyle", Long(0), GET(g.ScrollBarStyle()), SET(g.SetScrollBarStyle(v.ToLong()))),
        KEY("Enabled", Bool(true), GET(g.Enabled()), SET(g.SetEnabled(v.ToBoolean()))),
        KEY("DisableIcons", Bool(false), GET(g.DisableIcons()), SET(g.SetDisableIcons(v.ToBoolean()))),
        KEY("HighlightSelectedIcons", Bool(true), GET(g.HighlightSelectedIcons()),
            SET(g.SetHighlightSelectedIcons(v.ToBoolean()))),
        KEY("DrawFocusRectangle", Bool(true), GET(g.DrawFocusRectangle()),
            SET(g.SetDrawFocusRectangle(v.ToBoolean()))),
        KEY("Virtual", Bool(false), GET(g.Virtual()), SET(g.SetVirtual(v.ToBoolean()))),
        KEY("DefaultRowHeight", Int16(20), GET16(g.DefaultRowHeight()), SET(g.SetDefaultRowHeight(v.ToLong()))),
        KEY("AllowUserResizing", Long(3), GET(g.AllowUserResizing()), SET(g.SetAllowUserResizing(v.ToLong()))),
        {"TrueVirtual", Bool(false), {}, false, Reading::Skip, GET(g.TrueVirtual()), nullptr},
        KEY("MouseIcon", Text(""), GET(PictureText(g.MouseIcon())), SET(g.SetMouseIcon(PictureFromText(v.Text())))),
        KEY("MousePointer", Int16(0), GET(g.MousePointer()), SET(g.SetMousePointer(v.ToInteger()))),
        KEY("ScrollBars", Int16(3), GET(g.ScrollBars()), SET(g.SetScrollBars(v.ToInteger()))),
        KEY("DelayedRedraw", Bool(true), GET(g.DelayedRedraw()), SET(g.SetDelayedRedraw(v.ToBoolean()))),
        KEY("AutoScroll", Bool(false), GET(g.AutoScroll()), SET(g.SetAutoScroll(v.ToBoolean()))),
    };
    return keys;
}

#undef KEY
#undef GET
#undef GET16
#undef SET

// Puts the loading state back however the reading ends.
class LoadingScope {
public:
    LoadingScope(bool& loading, bool& redraw) : loading_(loading), redraw_(redraw), savedRedraw_(redraw) {
        loading_ = true;
        redraw_ = false;
    }
    ~LoadingScope() {
        loading_ = false;
        redraw_ = savedRedraw_;
    }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    bool& loading_;
    bool& redraw_;
    bool savedRedraw_;
};

}  // namespace

void VbGrid::WriteProperties(PropertyBag& bag) const {
    for (const StoredKey& key : StoredKeys())
        bag.WriteProperty(key.name, key.get(*this), key.alwaysStored ? Variant() : key.writeDefault);
}

void VbGrid::ReadProperties(const PropertyBag& bag) {
    publicUnitPixels_ = false;  // the window layouts keep sizes in twips
    {
        LoadingScope loading(loading_, redraw_);
        std::int32_t storedRows = 0;
        int fixedRowsReads = 0;
        for (const StoredKey& key : StoredKeys()) {
            if (key.reading == Reading::Skip) continue;
            const Variant value = bag.ReadProperty(key.name, key.readDefault.IsEmpty() ? key.writeDefault : key.readDefault);
            if (key.reading == Reading::Straight) {
                settings_.gridLinesFixed = SettingOf<grid::GridLines>(value.ToLong());
                continue;
            }
            key.set(*this, value);
            const std::string name = key.name;
            if (name == "HeaderHeight") ApplyHeaderSettings();  // the header's flat style again
            if (name == "DefaultRowHeight" && painter_) painter_->Resize();
            if (name == "Rows") storedRows = Rows();
            // The first FixedRows read is provisional (the second decides);
            // rows it made beyond the stored ones are taken back.
            if (name == "FixedRows" && ++fixedRowsReads == 2 && Rows() > std::max(storedRows, fixedRows_))
                SetRows(std::max(storedRows, fixedRows_));
        }
    }
    view_.SetFullRepaintPending(true);
    InvalidateAll();
}

void VbGrid::InitProperties(const GridFont& ambientFont) {
    publicUnitPixels_ = false;
    SetBackColor(static_cast<std::int32_t>(0x80000005u));
    SetForeColor(static_cast<std::int32_t>(0x80000008u));
    SetBackColorFixed(static_cast<std::int32_t>(0x8000000Fu));
    SetForeColorFixed(static_cast<std::int32_t>(0x80000008u));
    SetFont(ambientFont);
    SetBorderStyle(1);
    settings_.gridLinesFixed = GridLines::Both;
    SetHeader(true);
    SetEnabled(true);
    SetAllowUserResizing(3);
}

}  // namespace grid
