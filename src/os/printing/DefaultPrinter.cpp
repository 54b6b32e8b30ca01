#include "os/printing/DefaultPrinter.h"

#include <QPrinterInfo>

#include "os/printing/PrinterPage.h"
#include "os/types/QtConversions.h"

namespace os {

namespace {

PrinterStandIn& StandIn() {
    static PrinterStandIn standIn;
    return standIn;
}

}  // namespace

std::unique_ptr<QPrinter> OpenDefaultPrinter() {
    const PrinterStandIn& standIn = StandIn();
    if (standIn.kind == PrinterStandIn::Kind::NoPrinter) return nullptr;
    if (standIn.kind == PrinterStandIn::Kind::PdfFile) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(ToQString(standIn.pdfPath));
        printer->setPrinterName(QStringLiteral("PDF"));
        return printer;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty()) return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (printer->outputFormat() != QPrinter::NativeFormat) return nullptr;
    return printer;
}

PrinterStandIn SetPrinterStandIn(PrinterStandIn standIn) {
    PrinterStandIn previous = std::move(StandIn());
    StandIn() = std::move(standIn);
    return previous;
}

}  // namespace os
