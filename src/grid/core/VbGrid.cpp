#include "grid/core/VbGrid.h"

#include "os/windows/Process.h"
#include "runtime/Error.h"
#include "runtime/Rounding.h"

namespace grid {

namespace {
// Raised by ImageList for a value that is neither an image list nor a handle.
constexpr std::int32_t kImageListTypeError = runtime::errors::ObjectErrorBase + 1049;
}  // namespace

namespace {
constexpr std::int32_t kSystemColour = static_cast<std::int32_t>(0x80000000u);
constexpr std::int32_t Sys(int index) { return kSystemColour + index; }
GridEvents& NoEvents() {
    static GridEvents none;
    return none;
}
}  // namespace

VbGrid::VbGrid(GridCanvas* canvas)
    : ownCanvas_(canvas ? nullptr : std::make_unique<DetachedCanvas>()), canvas_(canvas ? canvas : ownCanvas_.get()) {
    columns_.AddListener(this);
    SetColour(backColor_, Sys(5));        // window
    SetColour(foreColor_, Sys(8));        // window text
    SetColour(backColorFixed_, Sys(15));  // button face
    SetColour(foreColorFixed_, Sys(18));  // button text
    SetColour(backColorSel_, Sys(13));    // highlight
    SetColour(foreColorSel_, Sys(14));    // highlight text
    SetColour(backColorBkg_, Sys(12));    // application workspace
    SetColour(gridColor_, Sys(15));
    SetColour(gridColorFixed_, 0);
    defaultRowHeight_ = ToPixelsY(240);
    bufferRowHeight_ = defaultRowHeight_;
    view_.SetFullRepaintPending(false);
}

VbGrid::~VbGrid() = default;

GridEvents& VbGrid::Events() const { return events_ ? *events_ : NoEvents(); }

std::string VbGrid::ErrorSource() const { return os::ExecutableName() + ".vbGrid"; }

void VbGrid::Raise(std::int32_t number, const std::string& description) const {
    throw runtime::Error(number, description, ErrorSource());
}

// --- units ---

std::int32_t VbGrid::ToPixelsX(std::int32_t twips) const {
    if (publicUnitPixels_) return twips;
    return static_cast<std::int32_t>(runtime::RoundHalfEven(twips / canvas_->TwipsPerPixelX()));
}
std::int32_t VbGrid::ToPixelsY(std::int32_t twips) const {
    if (publicUnitPixels_) return twips;
    return static_cast<std::int32_t>(runtime::RoundHalfEven(twips / canvas_->TwipsPerPixelY()));
}
std::int32_t VbGrid::ToTwipsX(std::int32_t pixels) const {
    if (publicUnitPixels_) return pixels;
    return static_cast<std::int32_t>(runtime::RoundHalfEven(pixels * canvas_->TwipsPerPixelX()));
}
std::int32_t VbGrid::ToTwipsY(std::int32_t pixels) const {
    if (publicUnitPixels_) return pixels;
    return static_cast<std::int32_t>(runtime::RoundHalfEven(pixels * canvas_->TwipsPerPixelY()));
}

// --- colours ---

void VbGrid::SetColour(Colour& colour, std::int32_t ole) {
    colour.ole = ole;
    colour.rgb = canvas_->TranslateColor(ole);
    InvalidateAll();
}

VbGrid::Colours VbGrid::TranslatedColours() const {
    return {backColor_.rgb,    foreColor_.rgb,    backColorFixed_.rgb, foreColorFixed_.rgb, backColorSel_.rgb,
            foreColorSel_.rgb, backColorBkg_.rgb, gridColor_.rgb,      gridColorFixed_.rgb};
}

void VbGrid::SetFont(const GridFont& sFont) {
    font_ = sFont;
    fonts_[0] = sFont;
    ApplyHeaderSettings();
    InvalidateAll();
}

void VbGrid::SetBackgroundPicture(PictureRef sPic) {
    backgroundPicture_ = std::move(sPic);
    if (backgroundPicture_) {
        backgroundPictureWidth_ = backgroundPicture_->Width();
        backgroundPictureHeight_ = backgroundPicture_->Height();
    }
    InvalidateAll();
}

void VbGrid::SetImageList(const runtime::Variant& vThis) {
    std::intptr_t handle = 0;
    switch (vThis.GetType()) {
    case runtime::Variant::Type::Object:
        try {
            // An image-list object gives its handle as its value.
            handle = vThis.Object() ? static_cast<std::intptr_t>(vThis.Object()->Value().ToDouble()) : 0;
        } catch (...) {
            handle = 0;
        }
        break;
    case runtime::Variant::Type::Long:  // a handle is 32 bits: a smaller integer is no handle
        handle = static_cast<std::intptr_t>(vThis.ToLong());
        break;
    default:
        Raise(kImageListTypeError,
              "ImageList property expects ImageList object or long hImageList handle.");
    }
    if (handle == 0) return;
    imageList_ = handle;
    if (headerControl_) headerControl_->SetImageList(handle);
    InvalidateAll();
}

// --- column resolution ---

std::int32_t VbGrid::ResolveColumn(const ColumnArg& vKey) const {
    if (vKey.IsEmpty() || (vKey.IsText() && vKey.Text().empty())) return PositionOfDataIndex(view_.Col());
    if (vKey.IsNumeric()) {
        double index = vKey.ToDouble();
        if (!(index > -2147483648.0 && index < 2147483647.0)) return -1;
        return PositionOfDataIndex(static_cast<std::int32_t>(runtime::RoundHalfEven(index)));
    }
    if (!vKey.IsText()) return -1;
    return columns_.PositionOfKey(vKey.Text());
}

std::int32_t VbGrid::RequirePosition(const ColumnArg& vKey, bool standardText) const {
    std::int32_t position = ResolveColumn(vKey);
    if (position < 0 || position >= Cols()) Raise(runtime::errors::SubscriptOutOfRange, standardText ? std::string() : "Invalid Column Index");
    return position;
}

const GridColumn* VbGrid::FindColumn(const ColumnArg& vKey) const {
    std::int32_t position = ResolveColumn(vKey);
    if (position < 0 || position >= Cols()) return nullptr;
    return &columns_.At(position);
}

GridColumn* VbGrid::FindColumn(const ColumnArg& vKey) {
    return const_cast<GridColumn*>(static_cast<const VbGrid*>(this)->FindColumn(vKey));
}

// --- cells ---

const GridCell& VbGrid::CellAt(std::int32_t row, std::int32_t dataIndex) const {
    ValidateCell(row, dataIndex);
    return Cell(row, dataIndex);
}

void VbGrid::ValidateCell(std::int32_t row, std::int32_t dataIndex) const {
    if (dataIndex < 0 || dataIndex >= Cols()) Raise(runtime::errors::SubscriptOutOfRange, "Invalid Column Index");
    if (row < 0 || row >= Rows()) Raise(runtime::errors::SubscriptOutOfRange, "Invalid Row Index");
}

void VbGrid::ValidateRow(std::int32_t row) const {
    if (row < 0 || row >= Rows()) Raise(runtime::errors::SubscriptOutOfRange, "Invalid Row Index");
}

void VbGrid::ResolveCurrent(std::int32_t& row, std::int32_t& col) const {
    if (row == -1) row = view_.Row();
    if (col == -1) col = view_.Col();
}

}  // namespace grid
