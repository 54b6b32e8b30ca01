#include "app/chart/ChartSheetOutput.h"

#include <string>

#include "app/files/FailureMessage.h"
#include "app/files/IniFile.h"
#include "app/files/LanguageFile.h"
#include "app/files/LanguageTexts.h"
#include "app/results/ResultsPrinting.h"
#include "forms/Form.h"
#include "os/commoncontrols/SaveFileDialog.h"
#include "os/desktop/Application.h"
#include "os/desktop/BusyCursor.h"
#include "os/sheet/SheetPdf.h"
#include "os/printing/SheetPrinting.h"

namespace app {

namespace {

constexpr os::DWORD kPathCapacity = 4096;
constexpr const char* kDocumentName = "Thread chart";

os::OPENFILENAME PdfDialogParameters(const forms::Form& owner) {
    os::OPENFILENAME parameters;
    parameters.owner = owner.hWnd();
    parameters.filters = {{"PDF Files (*.pdf)", "*.pdf"}};
    parameters.maxFile = kPathCapacity;
    parameters.maxFileTitle = kPathCapacity;
    parameters.initialDir = os::CurrentDirectory();
    parameters.title = ReadLangText("savePdf", "frmChart", "Save chart as PDF");
    parameters.flags = os::OFN_OVERWRITEPROMPT | os::OFN_EXPLORER | os::OFN_ENABLESIZING;
    parameters.defaultExtension = "pdf";
    return parameters;
}

}  // namespace

void PrintChartSheet(const forms::Form& owner, const runtime::TextSheet& sheet) {
    std::string printer;
    os::PrintFailure failure = os::PrintFailure::None;
    {
        const os::BusyCursor busy;
        failure = os::PrintTextSheet(sheet, kDocumentName, printer);
    }
    if (failure != os::PrintFailure::None) ReportPrintFailure(owner, failure, printer);
}

void SaveChartSheetPdf(const forms::Form& owner, const runtime::TextSheet& sheet) {
    os::OPENFILENAME parameters = PdfDialogParameters(owner);
    if (!os::GetSaveFileName(parameters)) return;
    const std::string path = TrimAtNul(parameters.file);
    bool written = false;
    {
        const os::BusyCursor busy;
        written = os::WriteTextSheetPdf(sheet, path, kDocumentName);
    }
    if (written) return;
    TellFailure(owner.hWnd(), kPdfNotSavedText, path);
}

}  // namespace app
