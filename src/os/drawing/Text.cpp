#include "os/drawing/Text.h"

#include <QTransform>
#include <algorithm>

#include "os/drawing/DeviceContext.h"
#include "os/drawing/DrawRecording.h"
#include "os/painting/DrawTargets.h"
#include "os/types/QtConversions.h"
#include "os/drawing/TextLayout.h"

namespace os {

namespace {

constexpr UINT AnyEllipsis = DT_PATH_ELLIPSIS | DT_END_ELLIPSIS | DT_WORD_ELLIPSIS;

// Selects the font into the painter unless it is there already. Font data
// is cached for the life of the process, so its address identifies it.
void UseFont(const DrawTarget& target, QPainter& painter, const FontData& font) {
    if (target.pixels.appliedFont == &font) return;
    painter.setFont(font.font);
    target.pixels.appliedFont = &font;
}

std::vector<TextLine> Lines(std::string_view text, int width, UINT format, const FontData& font) {
    if ((format & DT_SINGLELINE) != 0 && (format & AnyEllipsis) == 0 &&
        text.find_first_of("\r\n") == std::string_view::npos) {
        return {TextLine{std::string(text), font.TextWidth(text)}};
    }
    return LayoutText(text, width, format, [&font](std::string_view part) { return font.TextWidth(part); });
}

int LineLeft(const RECT& rect, int lineWidth, UINT format) {
    const int room = rect.right - rect.left;
    if ((format & DT_CENTER) != 0) return rect.left + (room - lineWidth) / 2;
    if ((format & DT_RIGHT) != 0) return rect.right - lineWidth;
    return rect.left;
}

int TextTop(const RECT& rect, int textHeight, UINT format) {
    if ((format & DT_SINGLELINE) == 0) return rect.top;
    if ((format & DT_VCENTER) != 0) return rect.top + (rect.bottom - rect.top - textHeight) / 2;
    if ((format & DT_BOTTOM) != 0) return rect.bottom - textHeight;
    return rect.top;
}

struct TextPass {
    const DeviceContext& context;
    const std::vector<TextLine>& lines;
    RECT rect;
    int top;
    UINT format;
};

void DrawLines(const TextPass& pass, const DrawTarget& target) {
    const FontData& font = *pass.context.fontData;
    QPainter& painter = PainterFor(target);
    UseFont(target, painter, font);
    painter.setPen(ToQColor(pass.context.textColor));
    const QRect bounds = ToQRect(pass.rect).translated(target.origin);
    bool clipped = false;
    int y = pass.top + target.origin.y();
    for (const TextLine& line : pass.lines) {
        const QRect box(LineLeft(pass.rect, line.width, pass.format) + target.origin.x(), y, line.width, font.height);
        if ((pass.format & DT_NOCLIP) == 0 && !clipped && !bounds.contains(box)) {
            painter.setClipRect(bounds, Qt::IntersectClip);
            clipped = true;
        }
        if (pass.context.backMode == OPAQUE) painter.fillRect(box, ToQColor(pass.context.backColor));
        if (!line.text.empty()) painter.drawText(QPoint(box.left(), y + font.ascent), ToQString(line.text));
        target.pixels.Touched(clipped ? box & bounds : box);
        y += font.height;
    }
    if (clipped) ForgetClip(target);
}

std::string Joined(const std::vector<TextLine>& lines) {
    std::string joined;
    for (const TextLine& line : lines) {
        if (!joined.empty()) joined.append("\r\n");
        joined.append(line.text);
    }
    return joined;
}

int DrawTextIn(HDC dc, std::string_view text, RECT& rect, UINT format, std::string* modified) {
    const DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr || !context->fontData) return 0;
    std::string stripped;
    if ((format & DT_NOPREFIX) == 0 && text.find('&') != std::string_view::npos) {
        stripped = StripPrefix(text);
        text = stripped;
    }
    if (text.empty()) {
        if ((format & DT_CALCRECT) != 0) rect = {rect.left, rect.top, rect.left, rect.top};
        return 0;
    }
    const std::vector<TextLine> lines = Lines(text, rect.right - rect.left, format, *context->fontData);
    const int height = context->fontData->height * static_cast<int>(lines.size());
    if (modified != nullptr && (format & DT_MODIFYSTRING) != 0 && (format & AnyEllipsis) != 0) *modified = Joined(lines);
    if ((format & DT_CALCRECT) != 0) {
        const auto widest = std::max_element(lines.begin(), lines.end(),
                                             [](const TextLine& a, const TextLine& b) { return a.width < b.width; });
        rect.right = rect.left + widest->width;
        rect.bottom = rect.top + height;
        return height;
    }
    if (ActiveDrawingRecorder() != nullptr) RecordDrawing("DrawText", dc, rect, context->textColor, Joined(lines));
    const TextPass pass{*context, lines, rect, TextTop(rect, height, format), format};
    ForEachTarget(dc, [&](DeviceContext&, const DrawTarget& target) { DrawLines(pass, target); });
    return pass.top - rect.top + height;
}

void DrawTurnedText(const DeviceContext& context, const DrawTarget& target, QPoint at, const QString& text) {
    const FontData& font = *context.fontData;
    QPainter& painter = PainterFor(target);
    UseFont(target, painter, font);
    painter.save();
    painter.translate(at + target.origin);
    painter.rotate(-context.fontData->description.lfEscapement / 10.0);
    const QRect box(0, 0, font.metrics.horizontalAdvance(text), font.height);
    if (context.backMode == OPAQUE) painter.fillRect(box, ToQColor(context.backColor));
    painter.setPen(ToQColor(context.textColor));
    painter.drawText(QPoint(0, font.ascent), text);
    const QRect touched = painter.transform().mapRect(QRectF(box)).toAlignedRect();
    painter.restore();
    target.pixels.Touched(touched.adjusted(-1, -1, 1, 1));
}

}  // namespace

int DrawText(HDC dc, std::string& text, RECT& rect, UINT format) { return DrawTextIn(dc, text, rect, format, &text); }

int DrawText(HDC dc, std::string_view text, RECT& rect, UINT format) {
    return DrawTextIn(dc, text, rect, format, nullptr);
}

bool TextOut(HDC dc, int x, int y, std::string_view text) {
    const DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr || !context->fontData) return false;
    const int width = context->fontData->TextWidth(text);
    RecordDrawing("TextOut", dc, {x, y, x + width, y + context->fontData->height}, context->textColor,
                  std::string(text));
    const QString shown = ToQString(text);
    return ForEachTarget(dc, [&](DeviceContext&, const DrawTarget& target) {
        DrawTurnedText(*context, target, QPoint(x, y), shown);
    });
}

bool GetTextExtentPoint32(HDC dc, std::string_view text, SIZE& size) {
    const DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr || !context->fontData) return false;
    size = {context->fontData->TextWidth(text), context->fontData->height};
    return true;
}

bool GetTextMetrics(HDC dc, TEXTMETRIC& metrics) {
    const DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr || !context->fontData) return false;
    const FontData& font = *context->fontData;
    metrics.tmHeight = font.height;
    metrics.tmAscent = font.ascent;
    metrics.tmDescent = font.height - font.ascent;
    metrics.tmInternalLeading = std::max(0, font.height - font.font.pixelSize());
    metrics.tmExternalLeading = font.metrics.leading();
    metrics.tmAveCharWidth = font.metrics.averageCharWidth();
    metrics.tmMaxCharWidth = font.metrics.maxWidth();
    return true;
}

}  // namespace os
