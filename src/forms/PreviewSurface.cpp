#include "forms/PreviewSurface.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

#include "forms/Form.h"
#include "forms/PreviewContent.h"
#include "os/drawing/Colors.h"
#include "os/painting/Twips.h"
#include "os/types/QtConversions.h"

namespace forms {

namespace {

constexpr double kDefaultPoints = 8;
constexpr int kWheelStep = 20;  // pixels an arrow click moves; a wheel notch moves three
// How far above the exposed part a content's text may start and still reach
// into it, in pixels (far more than any line of text is tall).
constexpr int kContentReach = 100;

int ToPixelsY(std::int64_t twips) {
    const double pixels = std::ceil(static_cast<double>(twips) / os::TwipsPerPixelY());
    return static_cast<int>(std::clamp(pixels, 0.0, static_cast<double>(std::numeric_limits<int>::max())));
}

QFont FontOf(const QString& family, double size, bool italic) {
    QFont font(family);
    font.setPointSizeF(size);
    font.setItalic(italic);
    return font;
}

// The view of the drawing: a scroll area that paints the texts falling into
// its exposed part at the scrolled offset. It scrolls by itself rather than
// moving a child as tall as the drawing, because a widget cannot be taller
// than about 16 million pixels and a long table is taller still.
class PreviewView : public QAbstractScrollArea {
public:
    // The texts of a band of the content (top and bottom in twips).
    using BandSource = std::function<DrawnTexts(std::int64_t, std::int64_t)>;
    // The content's tooltip at a point (twips).
    using TipSource = std::function<std::string(std::int64_t, std::int64_t)>;

    PreviewView(QWidget* parent, const DrawnTexts& texts, BandSource band, TipSource tip, const QString& family,
                QColor back, QColor fore)
        : QAbstractScrollArea(parent),
          texts_(texts),
          band_(std::move(band)),
          tip_(std::move(tip)),
          family_(family),
          fore_(fore) {
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        QPalette palette = viewport()->palette();
        palette.setColor(QPalette::Window, back);
        viewport()->setPalette(palette);
        viewport()->setAutoFillBackground(true);
        verticalScrollBar()->setSingleStep(kWheelStep);
        horizontalScrollBar()->setSingleStep(kWheelStep);
    }

    // The drawing's size in pixels: `width` wide, at least the view tall.
    // A table grows row by row, so the scroll bars follow once the drawing
    // pauses (or when they are read), not at every row.
    void SetContent(int width, int height) {
        if (width == width_ && height == height_) return;
        width_ = width;
        height_ = height;
        if (barsPending_) return;
        barsPending_ = true;
        QMetaObject::invokeMethod(this, [this] { SettleBars(); }, Qt::QueuedConnection);
    }
    void SettleBars() {
        if (!barsPending_) return;
        barsPending_ = false;
        UpdateBars();
    }
    int ContentHeight() const { return std::max(height_, viewport()->height()); }

    // Asks for a repaint of a band of the drawing, from `left` to the right
    // edge, when any of it shows. (Measuring the text for a tighter
    // rectangle would cost more than the repaint, for every text drawn.)
    void UpdateBand(double left, double top, double height) {
        const QRect shown = QRectF(left, top, std::max<double>(width_, viewport()->width()) - left + 1, height)
                                .toAlignedRect()
                                .translated(-Offset());
        if (shown.intersects(viewport()->rect())) viewport()->update(shown);
    }

    // Texts come in drawing order; while their tops never go back up, a
    // paint finds its first text by halving instead of reading from the start.
    void Added(std::int32_t y, double size) {
        ordered_ = ordered_ && y >= lastY_;
        lastY_ = y;
        largestSize_ = std::max(largestSize_, size);
    }
    void Cleared() {
        ordered_ = true;
        lastY_ = std::numeric_limits<std::int32_t>::min();
        largestSize_ = 0;
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QAbstractScrollArea::resizeEvent(event);
        barsPending_ = false;
        UpdateBars();
    }

    void scrollContentsBy(int dx, int dy) override { viewport()->scroll(dx, dy); }

    bool viewportEvent(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
        const auto* help = static_cast<QHelpEvent*>(event);
        const QPoint at = help->pos() + Offset();
        const std::string tip = tip_(static_cast<std::int64_t>(at.x() * os::TwipsPerPixelX()),
                                     static_cast<std::int64_t>(at.y() * os::TwipsPerPixelY()));
        if (tip.empty()) QToolTip::hideText();
        else QToolTip::showText(help->globalPos(), InLines(os::ToQString(tip)), viewport());
        return true;
    }

    // A tooltip of a few hundred digits has no place to wrap: it is broken
    // into lines of a fixed length so that it stays on the screen.
    static QString InLines(const QString& text) {
        constexpr int kLineLength = 60;
        QString lines;
        for (int i = 0; i < text.size(); i += kLineLength) {
            if (i > 0) lines += QLatin1Char('\n');
            lines += text.mid(i, kLineLength);
        }
        return lines;
    }

    void paintEvent(QPaintEvent* event) override {
        QPainter painter(viewport());
        painter.setPen(fore_);
        const QRect exposed = event->rect().translated(Offset());
        PaintTexts(painter, texts_, exposed, FirstTextFor(exposed), ordered_);
        const double tppY = os::TwipsPerPixelY();
        const DrawnTexts band = band_(static_cast<std::int64_t>(std::floor((exposed.top() - kContentReach) * tppY)),
                                      static_cast<std::int64_t>(std::ceil((exposed.bottom() + 1) * tppY)));
        PaintTexts(painter, band, exposed, 0, true);
    }

private:
    QPoint Offset() const { return {horizontalScrollBar()->value(), verticalScrollBar()->value()}; }

    // A line is less than four pixels a point tall (twice its size at 144
    // dpi): the first of the kept texts whose top may reach into the exposed
    // part is found by halving while they are in order, so long drawings
    // scroll smoothly.
    std::size_t FirstTextFor(const QRect& exposed) const {
        std::size_t from = 0;
        if (!ordered_) return from;
        const double firstTop = (exposed.top() - largestSize_ * 4) * os::TwipsPerPixelY();
        std::size_t count = texts_.size();
        while (count > 0) {  // halving, as std::partition_point does
            const std::size_t half = count / 2;
            if (texts_.YAt(from + half) < firstTop) {
                from += half + 1;
                count -= half + 1;
            } else {
                count = half;
            }
        }
        return from;
    }

    // Paints the texts from `from` on that fall into the exposed part (in
    // pixels of the drawing); texts out of it are passed over before a font
    // is made for them.
    void PaintTexts(QPainter& painter, const DrawnTexts& texts, const QRect& exposed, std::size_t from,
                    bool ordered) const {
        const QPoint offset = Offset();
        const double tppX = os::TwipsPerPixelX();
        const double tppY = os::TwipsPerPixelY();
        for (std::size_t i = from; i < texts.size(); ++i) {
            const double top = texts.YAt(i) / tppY;
            if (top > exposed.bottom() + 1) {
                if (ordered) break;
                continue;
            }
            const double size = texts.SizeAt(i);
            if (top + size * 4 < exposed.top()) continue;
            const QFont font = FontOf(family_, size, texts.ItalicAt(i));
            painter.setFont(font);
            const QFontMetricsF metrics(font, viewport());
            painter.drawText(QPointF(texts.XAt(i) / tppX - offset.x(), top - offset.y() + metrics.ascent()),
                             os::ToQString(texts.TextAt(i)));
        }
    }

    void UpdateBars() {
        const QSize view = viewport()->size();
        verticalScrollBar()->setPageStep(std::max(1, view.height()));
        verticalScrollBar()->setRange(0, std::max(0, height_ - view.height()));
        horizontalScrollBar()->setPageStep(std::max(1, view.width()));
        horizontalScrollBar()->setRange(0, std::max(0, width_ - view.width()));
        viewport()->update();
    }

    const DrawnTexts& texts_;
    BandSource band_;
    TipSource tip_;
    QString family_;
    QColor fore_;
    int width_ = 1;
    int height_ = 0;
    bool barsPending_ = false;
    bool ordered_ = true;
    std::int32_t lastY_ = std::numeric_limits<std::int32_t>::min();
    double largestSize_ = 0;
};

}  // namespace

struct PreviewSurface::Parts : public QObject {
    Parts(PreviewSurface& surface, QWidget& formWidget, QColor back, QColor fore)
        : family(formWidget.font().family()),
          size(formWidget.font().pointSizeF() > 0 ? formWidget.font().pointSizeF() : kDefaultPoints),
          view(new PreviewView(
              &formWidget, texts,
              [this, &surface](std::int64_t top, std::int64_t bottom) { return ContentBand(surface, top, bottom); },
              [this, &surface](std::int64_t x, std::int64_t y) { return ContentTip(surface, x, y); }, family, back,
              fore)) {
        formWidget.installEventFilter(this);
        Fit(formWidget.size());
        view->show();
    }

    // Follows the form's client area; the drawing keeps its width clear of
    // the vertical scroll bar, so that only a narrowed window scrolls sideways.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && watched == view->parentWidget()) Fit(view->parentWidget()->size());
        return false;
    }

    void Fit(QSize client) {
        view->setGeometry(QRect(QPoint(0, 0), client));
        const int bar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
        width = std::max(1, client.width() - bar);
        view->SetContent(width, ToPixelsY(contentHeight));
    }

    void Grow(std::int64_t bottom) {
        if (bottom <= contentHeight) return;
        contentHeight = std::min<std::int64_t>(bottom, std::numeric_limits<std::int32_t>::max());
        view->SetContent(width, ToPixelsY(contentHeight));
    }

    // The metrics of the current font, made once for each change of font.
    const QFontMetricsF& Metrics() {
        if (!metrics || metricsSize != size || metricsItalic != italic) {
            metrics.emplace(FontOf(family, size, italic), view->viewport());
            metricsSize = size;
            metricsItalic = italic;
        }
        return *metrics;
    }

    // The texts the content draws for a band, drawn through the surface
    // with its position and font left as they were.
    DrawnTexts ContentBand(PreviewSurface& surface, std::int64_t top, std::int64_t bottom) {
        DrawnTexts band;
        if (!content || sink) return band;
        ThroughSurface(band, [&] { content->Draw(surface, top, bottom); });
        return band;
    }
    std::string ContentTip(PreviewSurface& surface, std::int64_t atX, std::int64_t atY) {
        std::string tip;
        DrawnTexts none;
        if (content && !sink) ThroughSurface(none, [&] { tip = content->ToolTipAt(surface, atX, atY); });
        return tip;
    }
    // Lets the content use the surface, its texts going into `band`, and
    // puts the position and font back as they were.
    template <typename Use>
    void ThroughSurface(DrawnTexts& band, Use use) {
        const std::int32_t keptX = x, keptY = y;
        const double keptSize = size;
        const bool keptItalic = italic;
        sink = &band;
        use();
        sink = nullptr;
        x = keptX;
        y = keptY;
        size = keptSize;
        italic = keptItalic;
    }

    DrawnTexts texts;  // drawn on the surface directly
    std::unique_ptr<PreviewContent> content;
    DrawnTexts* sink = nullptr;  // where the content's texts go while it draws
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
    QPointer<PreviewView> view;  // a child of the form's widget
};

PreviewSurface::PreviewSurface(Form& form, std::uint32_t backColor)
    : parts_(std::make_unique<Parts>(*this, *form.Widget(), os::ToQColor(os::TranslateColor(backColor)),
                                     os::ToQColor(os::GetSysColor(os::COLOR_BTNTEXT)))) {}

PreviewSurface::~PreviewSurface() {
    if (parts_->view.isNull()) return;
    if (QWidget* parent = parts_->view->parentWidget()) parent->removeEventFilter(parts_.get());
    delete parts_->view.data();
}

void PreviewSurface::Clear() {
    Parts& p = *parts_;
    p.texts.Clear();
    p.content.reset();
    p.view->Cleared();
    p.contentHeight = 0;
    p.x = p.y = 0;
    p.view->SetContent(p.width, 0);
    p.view->SettleBars();
    p.view->verticalScrollBar()->setValue(0);
}

void PreviewSurface::SetContent(std::unique_ptr<PreviewContent> content) {
    Parts& p = *parts_;
    p.content = std::move(content);
    if (p.content) p.Grow(p.content->Height());
    p.view->viewport()->update();
}

const DrawnTexts& PreviewSurface::Texts() const { return parts_->texts; }

std::string PreviewSurface::ToolTipAt(std::int64_t x, std::int64_t y) { return parts_->ContentTip(*this, x, y); }

DrawnTexts PreviewSurface::TextsBetween(std::int64_t top, std::int64_t bottom) {
    DrawnTexts between;
    const auto keep = [&](const DrawnTexts& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (texts.YAt(i) >= top && texts.YAt(i) <= bottom)
                between.Add(texts.TextAt(i), texts.XAt(i), texts.YAt(i), texts.SizeAt(i), texts.ItalicAt(i));
        }
    };
    keep(parts_->texts);
    keep(parts_->ContentBand(*this, top, bottom));
    return between;
}
std::string PreviewSurface::FontName() const { return parts_->family.toStdString(); }

std::int32_t PreviewSurface::SurfaceHeight() const {
    const double twips = std::round(parts_->view->ContentHeight() * os::TwipsPerPixelY());
    return static_cast<std::int32_t>(std::min(twips, static_cast<double>(std::numeric_limits<std::int32_t>::max())));
}

std::int32_t PreviewSurface::ViewHeight() const {
    parts_->view->SettleBars();
    return static_cast<std::int32_t>(std::lround(parts_->view->viewport()->height() * os::TwipsPerPixelY()));
}

std::int32_t PreviewSurface::ScrollTop() const {
    parts_->view->SettleBars();
    return static_cast<std::int32_t>(std::lround(parts_->view->verticalScrollBar()->value() * os::TwipsPerPixelY()));
}

std::int32_t PreviewSurface::ScrollMax() const {
    parts_->view->SettleBars();
    return static_cast<std::int32_t>(std::lround(parts_->view->verticalScrollBar()->maximum() * os::TwipsPerPixelY()));
}

void PreviewSurface::SetScrollTop(std::int32_t twips) {
    parts_->view->SettleBars();
    parts_->view->verticalScrollBar()->setValue(ToPixelsY(twips));
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
    if (p.sink) {
        p.sink->Add(text, p.x, p.y, p.size, p.italic);
        return;
    }
    p.texts.Add(text, p.x, p.y, p.size, p.italic);
    p.view->Added(p.y, p.size);
    const QFontMetricsF& metrics = p.Metrics();
    const double tppY = os::TwipsPerPixelY();
    p.Grow(static_cast<std::int64_t>(p.y) + static_cast<std::int64_t>(std::ceil(metrics.height() * tppY)));
    // Only a text that lands in view asks for a repaint: one request per text
    // of a long table would make the pending repaint itself long to work out.
    p.view->UpdateBand(p.x / os::TwipsPerPixelX(), p.y / tppY, metrics.height());
}

std::int32_t PreviewSurface::TextWidth(const std::string& text) {
    if (text.empty()) return 0;
    const double pixels = parts_->Metrics().horizontalAdvance(os::ToQString(text));
    return static_cast<std::int32_t>(std::ceil(pixels * os::TwipsPerPixelX()));
}

bool PreviewSurface::MakeRoom(std::int32_t height) {
    if (parts_->sink) return true;  // the content's height is known
    parts_->Grow(static_cast<std::int64_t>(parts_->y) + std::max(0, height));
    return true;
}

}  // namespace forms
