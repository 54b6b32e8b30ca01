#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>

#include "os/drawing/Colors.h"
#include "os/drawing/GdiTable.h"
#include "os/commoncontrols/HeaderWidget.h"
#include "os/commoncontrols/ImageLists.h"
#include "os/types/QtConversions.h"
#include "os/painting/Surface.h"

namespace os {

namespace {

Qt::Alignment AlignmentOf(int format) {
    switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT: return Qt::AlignRight | Qt::AlignVCenter;
    case HDF_CENTER: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QStyleOptionHeader::SectionPosition PositionOf(int order, int count) {
    if (count == 1) return QStyleOptionHeader::OnlyOneSection;
    if (order == 0) return QStyleOptionHeader::Beginning;
    return order == count - 1 ? QStyleOptionHeader::End : QStyleOptionHeader::Middle;
}

QIcon IconOf(HIMAGELIST list, int image) {
    if (image < 0 || image >= ImageList_GetImageCount(list)) return {};
    const HICON icon = ImageList_GetIcon(list, image, 0);
    const auto data = GdiTable::Get<IconData>(icon);
    QIcon result = data == nullptr ? QIcon() : QIcon(QPixmap::fromImage(data->image));
    DestroyIcon(icon);
    return result;
}

QColor System(int index) { return ToQColor(GetSysColor(index)); }

}  // namespace

QFont HeaderWidget::ShownFont() const {
    const auto data = GdiTable::Get<const FontData>(font_);
    return data == nullptr ? font() : data->font;
}

// The header look of the desktop's style, with the classic edges on top
// so that a raised item and a pressed one read alike on every style.
void HeaderWidget::Paint() {
    Surface* surface = Surface::Of(window_);
    if (surface == nullptr) return;
    surface->BeginPaint();
    const std::shared_ptr<PixelBuffer> pixels = surface->Pixels();
    QPainter& painter = pixels->Painter();
    painter.save();
    painter.setClipping(false);
    painter.setFont(ShownFont());
    int left = 0;
    for (int order = 0; order < items_.Count(); ++order) {
        const int index = items_.IndexAtOrder(order);
        const QRect rect(left, 0, items_.At(index).width, height());
        if (!rect.isEmpty()) PaintItem(painter, index, rect);
        left += rect.width();
    }
    if (left < width()) {
        QStyleOptionHeader rest;
        rest.initFrom(this);
        rest.rect = QRect(left, 0, width() - left, height());
        rest.orientation = Qt::Horizontal;
        style()->drawControl(QStyle::CE_HeaderEmptyArea, &rest, &painter, this);
        PaintEdges(painter, rest.rect, false);
    }
    if (mode_ == Mode::Dragging) PaintDropMark(painter);
    painter.restore();
    pixels->appliedClip = 0;
    pixels->appliedFont = nullptr;
    pixels->Touched(pixels->Bounds());
}

void HeaderWidget::PaintItem(QPainter& painter, int index, const QRect& rect) {
    const HeaderItem& item = items_.At(index);
    const bool pressed = index == active_ && mode_ == Mode::Pressing && HasStyle(HDS_BUTTONS);
    QStyleOptionHeader option;
    option.initFrom(this);
    option.rect = rect;
    option.orientation = Qt::Horizontal;
    option.section = index;
    option.position = PositionOf(items_.OrderOf(index), items_.Count());
    option.text = ToQString(item.text);
    option.textAlignment = AlignmentOf(item.format);
    option.icon = (item.format & HDF_IMAGE) != 0 ? IconOf(images_, item.image) : QIcon();
    option.iconAlignment = (item.format & HDF_BITMAP_ON_RIGHT) != 0 ? Qt::AlignRight | Qt::AlignVCenter
                                                                     : Qt::AlignLeft | Qt::AlignVCenter;
    option.state = isEnabled() ? QStyle::State_Enabled : QStyle::State_None;
    option.state |= QStyle::State_Horizontal | (pressed ? QStyle::State_Sunken : QStyle::State_Raised);
    if (index == hot_ && HasStyle(HDS_HOTTRACK)) option.state |= QStyle::State_MouseOver;
    painter.setClipRect(rect);
    style()->drawControl(QStyle::CE_Header, &option, &painter, this);
    painter.setClipping(false);
    PaintEdges(painter, rect, pressed);
}

void HeaderWidget::PaintEdges(QPainter& painter, const QRect& rect, bool pressed) {
    const QColor shadow = System(COLOR_BTNSHADOW);
    painter.setBrush(Qt::NoBrush);
    if (pressed) {
        painter.setPen(shadow);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        return;
    }
    painter.setPen(System(COLOR_BTNHIGHLIGHT));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(shadow);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

// Where the dragged item would land.
void HeaderWidget::PaintDropMark(QPainter& painter) {
    const int order = items_.OrderAt(dragX_);
    const int target = items_.IndexAtOrder(order);
    if (target < 0) return;
    const int left = items_.Left(target);
    const int x = items_.OrderOf(active_) < order ? left + items_.At(target).width - 2 : left;
    painter.fillRect(QRect(x, 0, 2, height()), System(COLOR_HIGHLIGHT));
}

}  // namespace os
