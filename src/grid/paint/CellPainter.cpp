#include "grid/paint/CellPainter.h"

#include "grid/model/TextFlags.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/DrawState.h"
#include "os/drawing/Drawing.h"
#include "os/drawing/GdiObjects.h"
#include "os/commoncontrols/ImageLists.h"
#include "os/drawing/Rects.h"
#include "os/drawing/Text.h"

namespace grid {

void CellPainter::Fill(const os::RECT& rect, os::COLORREF colour) {
    os::HBRUSH brush = os::CreateSolidBrush(colour);
    os::FillRect(dc_, rect, brush);
    os::DeleteObject(brush);
}

CellPainter::Look CellPainter::Background(std::int32_t row, std::int32_t position, const os::RECT& rect, bool focus) {
    const GridColumn& column = parts_.columns.At(position);
    const GridCell& cell = parts_.sheet.CellAt(row, column.dataIndex);
    Look look;
    look.fixed = parts_.sheet.Enabled() && (parts_.sheet.RowAt(row).fixed || column.fixed);
    const HighLight when = parts_.settings.highLight;
    const bool highlight = when == HighLight::Always || (when == HighLight::WithFocus && parts_.view.HasFocus());
    if (look.fixed) {
        Fill(rect, pass_.backFixed);
        look.text = pass_.foreFixed;
        return look;
    }
    if (parts_.sheet.Enabled() && cell.selected && highlight) {
        os::RECT fill = rect;
        const auto lines = parts_.settings.gridLines;
        if (HasVertical(lines)) fill.right -= 1;
        if (HasHorizontal(lines)) fill.bottom -= 1;
        if (focus) os::InflateRect(fill, -1, -1);
        Fill(fill, pass_.backSel);
        look.selectedLook = true;
        look.text = pass_.foreSel;
        return look;
    }
    // A cell's own colours hold in a disabled grid too.
    const CellExtras& extras = cell.Extras();
    if (extras.backColor != -1) {
        const std::int32_t rgb = parts_.canvas.TranslateColor(extras.backColor);
        if (rgb != -1) Fill(rect, static_cast<os::COLORREF>(rgb));
    }
    std::int32_t fore = -1;
    if (const std::int32_t own = parts_.sheet.ShownForeColour(row, column.dataIndex); own != -1)
        fore = parts_.canvas.TranslateColor(own);
    look.text = fore != -1 ? static_cast<os::COLORREF>(fore) : pass_.textColour;
    return look;
}

void CellPainter::GridLines(bool fixed, const os::RECT& r) {
    // Fixed cells get both lines whenever theirs are on.
    const auto lines = fixed ? (Drawn(parts_.settings.gridLinesFixed) ? GridLines::Both : GridLines::None)
                             : parts_.settings.gridLines;
    const os::HPEN pen = fixed ? pass_.fixedPen : pass_.gridPen;
    if (!Drawn(lines) || !pen) return;
    const os::HGDIOBJ previous = os::SelectObject(dc_, pen);
    if (lines == GridLines::Vertical) {
        os::MoveToEx(dc_, r.right - 2, r.top - 1, nullptr);
        os::LineTo(dc_, r.right - 2, r.bottom - 1);
    } else if (lines == GridLines::Horizontal) {
        os::MoveToEx(dc_, r.left - 1, r.bottom - 2, nullptr);
        os::LineTo(dc_, r.right - 1, r.bottom - 2);
    } else {
        os::MoveToEx(dc_, r.right - 2, r.top - 1, nullptr);
        os::LineTo(dc_, r.right - 2, r.bottom - 2);
        os::LineTo(dc_, r.left - 2, r.bottom - 2);
    }
    os::SelectObject(dc_, previous);
}

void CellPainter::Icon(std::int32_t index, bool atRight, bool selected, os::RECT& textRect) {
    const os::HIMAGELIST list = parts_.look.imageList;
    int width = 0, height = 0;
    if (!list || !os::ImageList_GetIconSize(list, width, height)) return;
    const int x = atRight ? textRect.right - width : textRect.left;
    const int y = textRect.top + (textRect.bottom - textRect.top - height) / 2;
    if (parts_.look.disableIcons && !parts_.sheet.Enabled()) {
        os::HICON icon = os::ImageList_GetIcon(list, index, os::ILD_NORMAL);
        os::DrawState(dc_, 0, icon, 0, x, y, width, height, os::DST_ICON | os::DSS_DISABLED);
        os::DestroyIcon(icon);
    } else {
        const bool blend = selected && parts_.look.highlightSelectedIcons;
        os::ImageList_Draw(list, index, dc_, x, y, os::ILD_TRANSPARENT | (blend ? os::ILD_BLEND50 : 0));
    }
    if (atRight) textRect.right -= width + 1;
    else textRect.left += width + 1;
}

void CellPainter::Picture(std::int32_t row, std::int32_t dataIndex, os::RECT& textRect) {
    const CellExtras& extras = parts_.sheet.CellAt(row, dataIndex).Extras();
    if (!extras.picture || !extras.picture->Bitmap()) return;
    const os::HDC source = os::CreateCompatibleDC(dc_);
    const os::HGDIOBJ previous = os::SelectObject(source, extras.picture->Bitmap());
    const int height = parts_.sheet.RowAt(row).height;
    os::StretchBlt(dc_, textRect.left, textRect.top - 2, extras.pictureWidth, height, source, 0, 0,
                   extras.picture->Width(), extras.picture->Height(), os::SRCCOPY);
    os::SelectObject(source, previous);
    os::DeleteDC(source);
    textRect.left += extras.pictureWidth + 1;
}

bool CellPainter::Paint(std::int32_t row, std::int32_t position, const os::RECT& rect) {
    const GridColumn& column = parts_.columns.At(position);
    const std::int32_t d = column.dataIndex;
    const bool current = row == parts_.view.Row() && d == parts_.view.Col();
    const GridSettings& settings = parts_.settings;
    const bool marked = current && AtLeast(settings.focusRect, FocusRect::Light);
    const bool focus = marked && parts_.sheet.Enabled() && parts_.view.HasFocus();

    const Look look = Background(row, position, rect, marked);
    GridLines(look.fixed, rect);
    const bool lines = Drawn(look.fixed ? settings.gridLinesFixed : settings.gridLines);
    os::RECT text = rect;
    os::InflateRect(text, lines ? -2 : -1, lines ? -2 : -1);
    if (focus) {
        os::RECT frame = text;
        os::InflateRect(frame, 1, 1);
        os::DrawFocusRect(dc_, frame);
        if (AtLeast(settings.focusRect, FocusRect::Heavy)) {
            os::InflateRect(frame, 1, 1);
            os::DrawFocusRect(dc_, frame);
        }
    }
    const CellExtras& extras = parts_.sheet.CellAt(row, d).Extras();
    text.left += extras.indent;
    const bool selected = parts_.sheet.CellAt(row, d).selected;
    if (extras.icon >= 0) Icon(extras.icon, false, selected, text);
    if (extras.extraIcon >= 0) Icon(extras.extraIcon, extras.extraAtRight, selected, text);
    Picture(row, d, text);

    const std::string shown = parts_.sheet.DisplayedText(row, d);
    if (!shown.empty()) {
        os::SetTextColor(dc_, look.text);
        const std::int32_t fontIndex = extras.font;
        os::HGDIOBJ previousFont = 0;
        if (fontIndex > 0 && fontIndex < static_cast<std::int32_t>(pass_.fonts.size()))
            previousFont = os::SelectObject(dc_, pass_.fonts[static_cast<std::size_t>(fontIndex)]);
        // Fixed cells too: the column's fixed flags are those of its header item.
        const std::int32_t flags = parts_.sheet.EffectiveTextFlags(row, d);
        os::DrawText(dc_, std::string_view(shown), text, static_cast<os::UINT>(flags & ~text_flags::CalcRect));
        if (previousFont) os::SelectObject(dc_, previousFont);
    }
    return focus;
}

}  // namespace grid
