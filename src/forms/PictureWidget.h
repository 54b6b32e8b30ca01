#pragma once

#include <QImage>
#include <QWidget>

#include "forms/PictureCanvas.h"

namespace forms {

// A picture control: shows a persistent image that the program draws into.
class PictureWidget : public QWidget, public PictureCanvas {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent);

    std::int32_t PixelWidth() const override { return image_.width(); }
    std::int32_t PixelHeight() const override { return image_.height(); }
    void Clear(std::int32_t color) override;
    void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t color,
              std::int32_t width) override;
    void Circle(std::int32_t x, std::int32_t y, std::int32_t radius, std::int32_t color,
                std::int32_t fillColor) override;
    void DashedCircle(std::int32_t x, std::int32_t y, std::int32_t radius, std::int32_t color) override;
    void CenteredText(std::int32_t x, std::int32_t y, const std::string& text, std::int32_t color,
                      bool bold) override;
    void SizedText(std::int32_t x, std::int32_t y, const std::string& text, std::int32_t color, double points,
                   bool bold, bool italic) override;
    std::int32_t Pixel(std::int32_t x, std::int32_t y) const override;
    // Gives the image the widget's new size at once, keeping what was drawn.
    void FitImage(const QSize& size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image_;
};

}  // namespace forms
