#include "os/printing/PrinterPage.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "os/printing/DefaultPrinter.h"
#include "os/types/QtConversions.h"

namespace os {

namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

struct PrinterPage::Parts {
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    QFont font;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t pages = 0;
    PrintFailure failure = PrintFailure::None;

    bool Active() const { return painter.isActive(); }
    double Resolution() const { return printer ? printer->resolution() : 1.0; }
    double ToDevice(std::int32_t twips) const { return twips * Resolution() / kTwipsPerInch; }
    void Fail(PrintFailure what) {
        if (failure == PrintFailure::None) failure = what;
    }
};

PrinterPage::PrinterPage() : parts_(std::make_unique<Parts>()) {}

PrinterPage::~PrinterPage() {
    if (parts_->Active()) parts_->painter.end();
}

PrintFailure PrinterPage::StartDoc(const std::string& documentName) {
    Parts& p = *parts_;
    if (p.Active() || p.failure != PrintFailure::None) return p.failure;
    p.printer = OpenDefaultPrinter();
    if (!p.printer) {
        p.Fail(PrintFailure::NoPrinter);
        return p.failure;
    }
    p.printer->setDocName(ToQString(documentName));
    if (!p.painter.begin(p.printer.get())) {
        p.Fail(PrintFailure::PageNotStarted);
        return p.failure;
    }
    if (p.font.pointSizeF() <= 0) p.font.setPointSizeF(10);
    p.x = p.y = 0;
    p.pages = 1;
    return PrintFailure::None;
}

PrintFailure PrinterPage::EndDoc() {
    Parts& p = *parts_;
    if (!p.Active()) return p.failure;
    const bool ended = p.painter.end();
    if (!ended || p.printer->printerState() == QPrinter::Error) p.Fail(PrintFailure::DocumentNotFinished);
    return p.failure;
}

PrintFailure PrinterPage::Failure() const { return parts_->failure; }

std::string PrinterPage::PrinterName() const {
    return parts_->printer ? parts_->printer->printerName().toStdString() : std::string();
}

std::int32_t PrinterPage::PageCount() const { return parts_->pages; }

std::int32_t PrinterPage::ScaleHeight() const {
    const Parts& p = *parts_;
    if (!p.printer) return 0;
    const double pixels = p.printer->pageLayout().paintRectPixels(p.printer->resolution()).height();
    return static_cast<std::int32_t>(std::floor(pixels * kTwipsPerInch / p.Resolution()));
}

bool PrinterPage::SetFontName(const std::string& face) {
    const QString family = ToQString(face);
    if (family.isEmpty() || !QFontDatabase::families().contains(family, Qt::CaseInsensitive)) return false;
    parts_->font.setFamily(family);
    return true;
}

std::string PrinterPage::FontName() const { return parts_->font.family().toStdString(); }

std::int32_t PrinterPage::CurrentX() const { return parts_->x; }
void PrinterPage::SetCurrentX(std::int32_t twips) { parts_->x = twips; }
std::int32_t PrinterPage::CurrentY() const { return parts_->y; }
void PrinterPage::SetCurrentY(std::int32_t twips) { parts_->y = twips; }
double PrinterPage::FontSize() const { return parts_->font.pointSizeF(); }

void PrinterPage::SetFontSize(double points) {
    if (points > 0 && std::isfinite(points)) parts_->font.setPointSizeF(points);
}

bool PrinterPage::FontItalic() const { return parts_->font.italic(); }
void PrinterPage::SetFontItalic(bool italic) { parts_->font.setItalic(italic); }

void PrinterPage::Print(const std::string& text) {
    Parts& p = *parts_;
    if (!p.Active() || text.empty()) return;
    p.painter.setFont(p.font);
    const QFontMetricsF metrics(p.font, p.printer.get());
    p.painter.drawText(QPointF(p.ToDevice(p.x), p.ToDevice(p.y) + metrics.ascent()), ToQString(text));
}

std::int32_t PrinterPage::TextWidth(const std::string& text) {
    const Parts& p = *parts_;
    if (!p.printer || text.empty()) return 0;
    const QFontMetricsF metrics(p.font, p.printer.get());
    return static_cast<std::int32_t>(
        std::ceil(metrics.horizontalAdvance(ToQString(text)) * kTwipsPerInch / p.Resolution()));
}

bool PrinterPage::MakeRoom(std::int32_t height) {
    return static_cast<std::int64_t>(parts_->y) + height <= ScaleHeight();
}

bool PrinterPage::NewPage() {
    Parts& p = *parts_;
    if (!p.Active() || p.failure != PrintFailure::None) return false;
    if (!p.printer->newPage()) {
        p.Fail(PrintFailure::PageNotStarted);
        return false;
    }
    p.x = p.y = 0;
    ++p.pages;
    return true;
}

}  // namespace os
