#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "os/printing/DrawingTarget.h"

namespace os {

// What went wrong while printing.
enum class PrintFailure {
    None,
    NoPrinter,            // no default printer is set up
    PageNotStarted,       // the document or a new page could not be begun
    DocumentNotFinished,  // ending the document (sending it off) failed
};

// Pages of the system's default printer, drawn on in twips from the top-left
// corner of the printable area. No dialog is shown. StartDoc opens the
// printer and the first page; EndDoc sends the document. A document that is
// not ended is ended when the page object goes.
class PrinterPage : public DrawingTarget {
public:
    PrinterPage();
    ~PrinterPage() override;
    PrinterPage(const PrinterPage&) = delete;
    PrinterPage& operator=(const PrinterPage&) = delete;

    PrintFailure StartDoc(const std::string& documentName);
    PrintFailure EndDoc();
    // The first failure met, None while all went well.
    PrintFailure Failure() const;
    // The name of the printer in use; empty before StartDoc found one.
    std::string PrinterName() const;
    // Pages begun so far.
    std::int32_t PageCount() const;
    // The printable height of a page in twips; 0 before StartDoc.
    std::int32_t ScaleHeight() const;

    // Gives the printer a font face; false, and the face unchanged, when the
    // face is not one the system has.
    bool SetFontName(const std::string& face);
    std::string FontName() const;

    std::int32_t CurrentX() const override;
    void SetCurrentX(std::int32_t twips) override;
    std::int32_t CurrentY() const override;
    void SetCurrentY(std::int32_t twips) override;
    double FontSize() const override;
    void SetFontSize(double points) override;
    bool FontItalic() const override;
    void SetFontItalic(bool italic) override;
    void Print(const std::string& text) override;
    std::int32_t TextWidth(const std::string& text) override;
    bool MakeRoom(std::int32_t height) override;
    bool NewPage() override;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Test seam: what stands in for the system's default printer. A PDF file
// takes the pages in place of a printer; NoPrinter acts as a system without
// a default printer. SystemDefault brings the real printer back. Returns the
// stand-in that was in place.
struct PrinterStandIn {
    enum class Kind { SystemDefault, NoPrinter, PdfFile };
    Kind kind = Kind::SystemDefault;
    std::string pdfPath;
};
PrinterStandIn SetPrinterStandIn(PrinterStandIn standIn);

}  // namespace os
