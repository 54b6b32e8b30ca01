#include "os/sheet/PaintedSheet.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPen>
#include <cmath>

#include "os/types/QtConversions.h"

namespace os {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kRulePoints = 0.75;
constexpr double kLightRulePoints = 0.5;
const QColor kLightRuleColour(0xA0, 0xA0, 0xA0);

QString SheetFamily() {
    const QString preferred = QStringLiteral("Liberation Sans");
    if (QFontDatabase::families().contains(preferred, Qt::CaseInsensitive)) return preferred;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

PaintedSheet::PaintedSheet(QPagedPaintDevice& device, QPainter& painter)
    : device_(device), painter_(painter), family_(SheetFamily()) {}

std::int32_t PaintedSheet::PageWidth() const { return ToTwips(device_.width()); }
std::int32_t PaintedSheet::PageHeight() const { return ToTwips(device_.height()); }

std::int32_t PaintedSheet::TextWidth(const std::string& text, const SheetFont& font) const {
    return static_cast<std::int32_t>(
        std::ceil(QFontMetricsF(FontOf(font), &device_).horizontalAdvance(ToQString(text)) * kTwipsPerInch /
                  device_.logicalDpiX()));
}

void PaintedSheet::DrawText(std::int32_t x, std::int32_t y, const std::string& text, const SheetFont& font) {
    if (text.empty()) return;
    const QFont qfont = FontOf(font);
    painter_.setFont(qfont);
    painter_.setPen(Qt::black);
    const QFontMetricsF metrics(qfont, &device_);
    painter_.drawText(QPointF(ToDevice(x), ToDevice(y) + metrics.ascent()), ToQString(text));
}

void PaintedSheet::DrawRule(std::int32_t left, std::int32_t right, std::int32_t y, bool light) {
    QPen pen(light ? kLightRuleColour : QColor(Qt::black));
    pen.setWidthF((light ? kLightRulePoints : kRulePoints) * device_.logicalDpiY() / 72.0);
    painter_.setPen(pen);
    painter_.drawLine(QPointF(ToDevice(left), ToDevice(y)), QPointF(ToDevice(right), ToDevice(y)));
}

bool PaintedSheet::NewPage() { return device_.newPage(); }

QFont PaintedSheet::FontOf(const SheetFont& font) const {
    QFont qfont(family_);
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

double PaintedSheet::ToDevice(std::int32_t twips) const { return twips * device_.logicalDpiY() / kTwipsPerInch; }

std::int32_t PaintedSheet::ToTwips(double pixels) const {
    return static_cast<std::int32_t>(std::floor(pixels * kTwipsPerInch / device_.logicalDpiY()));
}

}  // namespace os
