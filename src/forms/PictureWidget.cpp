#include "forms/PictureWidget.h"

#include <QPainter>
#include <QResizeEvent>

namespace forms {

namespace {

QColor FromRgb(std::int32_t color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

std::int32_t ToRgb(QRgb rgb) { return qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16); }

}  // namespace

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent), image_(1, 1, QImage::Format_RGB32) {
    image_.fill(palette().color(QPalette::Window));
}

void PictureWidget::Clear(std::int32_t color) {
    image_.fill(FromRgb(color));
    update();
}

void PictureWidget::Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t color,
                         std::int32_t width) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(FromRgb(color), width));
    painter.drawLine(x1, y1, x2, y2);
    update();
}

void PictureWidget::Circle(std::int32_t x, std::int32_t y, std::int32_t radius, std::int32_t color,
                           std::int32_t fillColor) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(FromRgb(color), 1));
    painter.setBrush(fillColor < 0 ? QBrush(Qt::NoBrush) : QBrush(FromRgb(fillColor)));
    painter.drawEllipse(QPoint(x, y), radius, radius);
    update();
}

void PictureWidget::DashedCircle(std::int32_t x, std::int32_t y, std::int32_t radius, std::int32_t color) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(FromRgb(color), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPoint(x, y), radius, radius);
    update();
}

void PictureWidget::CenteredText(std::int32_t x, std::int32_t y, const std::string& text, std::int32_t color,
                                 bool bold) {
    QPainter painter(&image_);
    QFont font = this->font();
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(FromRgb(color));
    const QRect box(x - 50, y - 20, 100, 40);
    painter.drawText(box, Qt::AlignCenter, QString::fromStdString(text));
    update();
}

void PictureWidget::SizedText(std::int32_t x, std::int32_t y, const std::string& text, std::int32_t color,
                              double points, bool bold, bool italic) {
    if (points <= 0) return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = this->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    painter.setFont(font);
    painter.setPen(FromRgb(color));
    const QString shown = QString::fromStdString(text);
    QRect box = painter.fontMetrics().boundingRect(shown);
    box.moveCenter(QPoint(x, y));
    painter.drawText(box.adjusted(-4, -2, 4, 2), Qt::AlignCenter, shown);
    update();
}

std::int32_t PictureWidget::Pixel(std::int32_t x, std::int32_t y) const {
    if (!image_.valid(x, y)) return -1;
    return ToRgb(image_.pixel(x, y));
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

// A new size keeps what was drawn; the new part takes the background.
void PictureWidget::FitImage(const QSize& size) {
    if (size.expandedTo(QSize(1, 1)) == image_.size()) return;
    QImage grown(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    grown.fill(palette().color(QPalette::Window));
    QPainter painter(&grown);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = grown;
}

void PictureWidget::resizeEvent(QResizeEvent* event) {
    FitImage(event->size());
    QWidget::resizeEvent(event);
}

}  // namespace forms
