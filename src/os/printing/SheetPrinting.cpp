#include "os/printing/SheetPrinting.h"

#include <QPageLayout>
#include <QPainter>

#include "os/printing/DefaultPrinter.h"
#include "os/sheet/PaintedSheet.h"
#include "os/sheet/SheetDrawing.h"
#include "os/types/QtConversions.h"

namespace os {

PrintFailure PrintTextSheet(const runtime::TextSheet& sheet, const std::string& documentName,
                            std::string& printerName) {
    printerName.clear();
    const std::unique_ptr<QPrinter> printer = OpenDefaultPrinter();
    if (!printer) return PrintFailure::NoPrinter;
    printerName = printer->printerName().toStdString();
    printer->setDocName(ToQString(documentName));
    printer->setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(printer.get())) return PrintFailure::PageNotStarted;
    PaintedSheet target(*printer, painter);
    const bool drawn = DrawTextSheet(sheet, target);
    const bool ended = painter.end();
    if (!drawn) return PrintFailure::PageNotStarted;
    if (!ended || printer->printerState() == QPrinter::Error) return PrintFailure::DocumentNotFinished;
    return PrintFailure::None;
}

}  // namespace os
