#include "app/results/ResultsOutput.h"

#include <utility>

#include "app/results/CsvExport.h"
#include "app/files/LanguageFile.h"
#include "app/files/LanguageTexts.h"
#include "app/results/MemoryShortfall.h"
#include "app/preview/PreviewTable.h"
#include "app/results/ResultsPrinting.h"
#include "forms/Form.h"
#include "os/desktop/BusyCursor.h"

namespace app {

namespace {
constexpr std::int32_t kLeftButton = 1;
constexpr std::int32_t kRightButton = 2;
}  // namespace

// A preview that ran out of memory is dropped: a part of the table would look whole.
void ResultsOutput::Clicked() {
    const std::int32_t button = std::exchange(pending_, 0);
    const os::HWND owner = owner_.hWnd();
    if (button == kLeftButton) RunWithinMemory(owner, [this] { ShowPreview(); }, [this] { preview_.reset(); });
    else if (button == kRightButton) RunWithinMemory(owner, [this] { ExportCsv(); });
    else RunWithinMemory(owner, [this] { PrintTable(); });
}

void ResultsOutput::ShowPreview() {
    if (preview_ && preview_->Closed()) preview_.reset();
    if (!preview_) preview_ = std::make_unique<frmPrint>();
    preview_->Show();
    DrawPreview();
}

void ResultsOutput::ResultsReplaced() {
    if (preview_ && !preview_->Closed()) DrawPreview();
}

void ResultsOutput::DrawPreview() {
    forms::PreviewSurface& surface = preview_->Surface();
    surface.Clear();
    const os::BusyCursor busy;  // measuring a long table takes a while
    surface.SetContent(std::make_unique<PreviewTable>(grid_, surface));
}

void ResultsOutput::ExportCsv() {
    ExportResultsCsv(owner_.hWnd(), grid_, ReadLangText(kSaveAsText));
}

void ResultsOutput::PrintTable() { PrintResults(owner_, grid_); }

}  // namespace app
