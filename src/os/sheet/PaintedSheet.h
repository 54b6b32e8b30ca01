#pragma once

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

#include "os/sheet/SheetTarget.h"

namespace os {

// A sheet target over a painter that is active on a paged device (a
// printer or a PDF writer): twips become the device's pixels, texts are
// set in the program's face (Liberation Sans, else the system's sans).
class PaintedSheet : public SheetTarget {
public:
    PaintedSheet(QPagedPaintDevice& device, QPainter& painter);

    std::int32_t PageWidth() const override;
    std::int32_t PageHeight() const override;
    std::int32_t TextWidth(const std::string& text, const SheetFont& font) const override;
    void DrawText(std::int32_t x, std::int32_t y, const std::string& text, const SheetFont& font) override;
    void DrawRule(std::int32_t left, std::int32_t right, std::int32_t y, bool light) override;
    bool NewPage() override;

private:
    QFont FontOf(const SheetFont& font) const;
    double ToDevice(std::int32_t twips) const;
    std::int32_t ToTwips(double pixels) const;

    QPagedPaintDevice& device_;
    QPainter& painter_;
    QString family_;
};

}  // namespace os
