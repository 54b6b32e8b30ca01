#include "os/sheet/SheetPdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "os/files/AtomicFile.h"
#include "os/sheet/PaintedSheet.h"
#include "os/sheet/SheetDrawing.h"
#include "os/types/QtConversions.h"

namespace os {

namespace {

constexpr int kPdfResolution = 1200;
constexpr double kMarginMillimetres = 12;

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// Fonts need a Qt GUI application. A command-line program has none: it
// gets one on the offscreen platform, which needs no display, and Qt's own
// notes about its set-up (a missing runtime folder and the like) are kept
// off the program's stderr meanwhile.
class GuiForPainting {
public:
    GuiForPainting() {
        if (QCoreApplication::instance() != nullptr) return;
        previousHandler_ = qInstallMessageHandler(Quiet);
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~GuiForPainting() {
        if (!app_) return;
        app_.reset();
        qInstallMessageHandler(previousHandler_);
    }
    GuiForPainting(const GuiForPainting&) = delete;
    GuiForPainting& operator=(const GuiForPainting&) = delete;

    bool Ready() const { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

private:
    char name_[9] = "kestrany";
    char platformOption_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {name_, platformOption_, platform_, nullptr};
    int argc_ = 3;
    QtMessageHandler previousHandler_ = nullptr;
    std::unique_ptr<QGuiApplication> app_;
};

bool DrawPdf(const runtime::TextSheet& sheet, QIODevice& out, const std::string& documentTitle) {
    QPdfWriter writer(&out);
    writer.setResolution(kPdfResolution);
    writer.setTitle(ToQString(documentTitle));
    writer.setCreator(QStringLiteral("Kestrany"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                    QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                    QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    PaintedSheet target(writer, painter);
    const bool drawn = DrawTextSheet(sheet, target);
    return painter.end() && drawn;
}

}  // namespace

bool WriteTextSheetPdf(const runtime::TextSheet& sheet, const std::string& path, const std::string& documentTitle) {
    const GuiForPainting gui;
    if (!gui.Ready()) return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !DrawPdf(sheet, buffer, documentTitle)) return false;
    buffer.close();
    return ReplaceFileContents(path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace os
