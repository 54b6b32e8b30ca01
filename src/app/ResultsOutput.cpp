#include "app/ResultsOutput.h"

#include <utility>

#include "app/CsvExport.h"
#include "app/LanguageFile.h"
#include "app/PreviewTable.h"
#include "app/ResultsPrinting.h"
#include "forms/Form.h"
#include "os/desktop/BusyCursor.h"

namespace app {

namespace {
constexpr std::int32_t kLeftButton = 1;
constexpr std::int32_t kRightButton = 2;
}  // namespace

void ResultsOutput::Clicked() {
    const std::int32_t button = std::exchange(pending_, 0);
    if (button == kLeftButton) ShowPreview();
    else if (button == kRightButton) ExportCsv();
    else PrintTable();
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
    ExportResultsCsv(owner_.hWnd(), grid_, ReadLangText("saveas", "frmMain", "Save as"));
}

void ResultsOutput::PrintTable() { PrintResults(owner_, grid_); }

}  // namespace app
