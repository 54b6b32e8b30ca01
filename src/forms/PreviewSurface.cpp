#include "forms/PreviewSurface.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "forms/Form.h"
#include "os/drawing/Colors.h"
#include "os/painting/Twips.h"
#include "os/qt/QtConversions.h"

namespace forms {

namespace {

constexpr double kDefaultPoints = 8;

int ToPixelsY(std::int64_t twips) {
    const double pixels = std::ceil(static_cast<double>(twips) / os::TwipsPerPixelY());
    return static_cast<int>(std::clamp(pixels, 0.0, static_cast<double>(QWIDGETSIZE_MAX)));
}

QFont FontOf(const QString& family, double size, bool italic) {
    QFont font(family);
    font.setPointSizeF(size);
    font.setItalic(italic);
    return font;
}

// The drawing itself: paints the texts that fall into the exposed part.
class PreviewCanvas : public QWidget {
public:
    PreviewCanvas(const std::vector<DrawnText>& texts, const QString& family, QColor back, QColor fore)
        : texts_(texts), family_(family), fore_(fore) {
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, back);
        setPalette(palette);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setPen(fore_);
        const QRect exposed = event->rect();
        const double tppX = os::TwipsPerPixelX();
        const double tppY = os::TwipsPerPixelY();
        for (const DrawnText& item : texts_) {
            // A line is less than four pixels a point tall (twice its size at
            // 144 dpi): texts out of the exposed part are passed over before a
            // font is made for them, so long tables scroll smoothly.
            const double top = item.y / tppY;
            if (top > exposed.bottom() + 1 || top + item.size * 4 < exposed.top()) continue;
            const QFont font = FontOf(family_, item.size, item.italic);
            painter.setFont(font);
            const QFontMetricsF metrics(font, this);
            painter.drawText(QPointF(item.x / tppX, top + metrics.ascent()), os::ToQString(item.text));
        }
    }

private:
    const std::vector<DrawnText>& texts_;
    QString family_;
    QColor fore_;
};

}  // namespace

struct PreviewSurface::Parts : public QObject {
    Parts(QWidget& formWidget, QColor back, QColor fore)
        : family(formWidget.font().family()),
          size(formWidget.font().pointSizeF() > 0 ? formWidget.font().pointSizeF() : kDefaultPoints),
          area(new QScrollArea(&formWidget)),
          canvas(new PreviewCanvas(texts, family, back, fore)) {
        area->setFrameShape(QFrame::NoFrame);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        QPalette palette = area->viewport()->palette();
        palette.setColor(QPalette::Window, back);
        area->viewport()->setPalette(palette);
        area->viewport()->setAutoFillBackground(true);
        area->setWidget(canvas);
        formWidget.installEventFilter(this);
        Fit(formWidget.size());
        area->show();
    }

    // Follows the form's client area; the drawing keeps its width clear of
    // the vertical scroll bar, so that only a narrowed window scrolls sideways.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && watched == area->parentWidget()) {
            Fit(area->parentWidget()->size());
        }
        return false;
    }

    void Fit(QSize client) {
        area->setGeometry(QRect(QPoint(0, 0), client));
        const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
        width = std::max(1, client.width() - bar);
        Resize();
    }

    void Resize() {
        const int height = std::max(ToPixelsY(contentHeight), area->height());
        if (canvas->width() != width || canvas->height() != height) canvas->setFixedSize(width, height);
    }

    void Grow(std::int64_t bottom) {
        if (bottom <= contentHeight) return;
        contentHeight = std::min<std::int64_t>(bottom, std::numeric_limits<std::int32_t>::max());
        Resize();
    }

    // The metrics of the current font, made once for each change of font.
    const QFontMetricsF& Metrics() {
        if (!metrics || metricsSize != size || metricsItalic != italic) {
            metrics.emplace(FontOf(family, size, italic), canvas);
            metricsSize = size;
            metricsItalic = italic;
        }
        return *metrics;
    }

    std::vector<DrawnText> texts;
    std::optional<QFontMetricsF> metrics;
    double metricsSize = 0;
    bool metricsItalic = false;
    QString family;
    double size;
    bool italic = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int64_t contentHeight = 0;
    int width = 1;
    QPointer<QScrollArea> area;  // a child of the form's widget
    PreviewCanvas* canvas;    // owned by the area
};

PreviewSurface::PreviewSurface(Form& form, std::uint32_t backColor)
    : parts_(std::make_unique<Parts>(*form.Widget(), os::ToQColor(os::TranslateColor(backColor)),
                                     os::ToQColor(os::GetSysColor(os::COLOR_BTNTEXT)))) {}

PreviewSurface::~PreviewSurface() {
    if (parts_->area.isNull()) return;
    if (QWidget* parent = parts_->area->parentWidget()) parent->removeEventFilter(parts_.get());
    delete parts_->area.data();
}

void PreviewSurface::Clear() {
    Parts& p = *parts_;
    p.texts.clear();
    p.contentHeight = 0;
    p.x = p.y = 0;
    p.Resize();
    p.area->verticalScrollBar()->setValue(0);
    p.canvas->update();
}

const std::vector<DrawnText>& PreviewSurface::Texts() const { return parts_->texts; }
std::string PreviewSurface::FontName() const { return parts_->family.toStdString(); }

std::int32_t PreviewSurface::SurfaceHeight() const {
    return static_cast<std::int32_t>(std::lround(parts_->canvas->height() * os::TwipsPerPixelY()));
}

std::int32_t PreviewSurface::ViewHeight() const {
    return static_cast<std::int32_t>(std::lround(parts_->area->viewport()->height() * os::TwipsPerPixelY()));
}

std::int32_t PreviewSurface::ScrollTop() const {
    return static_cast<std::int32_t>(std::lround(parts_->area->verticalScrollBar()->value() * os::TwipsPerPixelY()));
}

std::int32_t PreviewSurface::ScrollMax() const {
    return static_cast<std::int32_t>(std::lround(parts_->area->verticalScrollBar()->maximum() * os::TwipsPerPixelY()));
}

void PreviewSurface::SetScrollTop(std::int32_t twips) {
    parts_->area->verticalScrollBar()->setValue(ToPixelsY(twips));
}

std::int32_t PreviewSurface::CurrentX() const { return parts_->x; }
void PreviewSurface::SetCurrentX(std::int32_t twips) { parts_->x = twips; }
std::int32_t PreviewSurface::CurrentY() const { return parts_->y; }
void PreviewSurface::SetCurrentY(std::int32_t twips) { parts_->y = twips; }
double PreviewSurface::FontSize() const { return parts_->size; }

void PreviewSurface::SetFontSize(double points) {
    if (points > 0 && std::isfinite(points)) parts_->size = points;
}

bool PreviewSurface::FontItalic() const { return parts_->italic; }
void PreviewSurface::SetFontItalic(bool italic) { parts_->italic = italic; }

void PreviewSurface::Print(const std::string& text) {
    Parts& p = *parts_;
    if (text.empty()) return;
    p.texts.push_back(DrawnText{text, p.x, p.y, p.size, p.italic});
    const QFontMetricsF& metrics = p.Metrics();
    const double tppY = os::TwipsPerPixelY();
    p.Grow(static_cast<std::int64_t>(p.y) + static_cast<std::int64_t>(std::ceil(metrics.height() * tppY)));
    // Only a text that lands in view needs a repaint: asking for one per text
    // of a long table would make the pending repaint itself long to work out.
    const double top = p.y / tppY;
    const QScrollBar& scroll = *p.area->verticalScrollBar();
    if (top > scroll.value() + p.area->viewport()->height() || top + metrics.height() < scroll.value()) return;
    const double tppX = os::TwipsPerPixelX();
    const QRectF area(p.x / tppX, top, metrics.horizontalAdvance(os::ToQString(text)) + metrics.height(),
                      metrics.height());
    p.canvas->update(area.toAlignedRect());
}

bool PreviewSurface::MakeRoom(std::int32_t height) {
    parts_->Grow(static_cast<std::int64_t>(parts_->y) + std::max(0, height));
    return true;
}

}  // namespace forms
