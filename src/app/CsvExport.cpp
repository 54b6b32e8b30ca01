#include "app/CsvExport.h"

#include <vector>

#include "app/IniFile.h"
#include "calc/ResultTexts.h"
#include "grid/VbGrid.h"
#include "os/desktop/Application.h"
#include "os/files/AtomicFile.h"
#include "os/commoncontrols/MessageBox.h"
#include "os/commoncontrols/SaveFileDialog.h"

namespace app {

namespace {

constexpr os::DWORD kPathCapacity = 4096;

std::string HeaderLine(const grid::VbGrid& grid) {
    std::vector<std::string> fields;
    for (std::int32_t c = 0; c < grid.Cols(); ++c) fields.push_back(grid.ColumnHeader(runtime::Variant(c)));
    return calc::JoinCsvFields(fields) + calc::kCsvLineEnd;
}

std::string RowLine(const grid::VbGrid& grid, std::int32_t row) {
    std::vector<std::string> fields;
    for (std::int32_t c = 0; c < grid.Cols(); ++c) fields.push_back(grid.TextMatrix(row, c));
    return calc::JoinCsvFields(fields) + calc::kCsvLineEnd;
}

os::OPENFILENAME SaveDialogParameters(os::HWND owner, const std::string& title) {
    os::OPENFILENAME parameters;
    parameters.owner = owner;
    parameters.filters = {{"CSV Files (*.csv)", "*.csv"}};
    // Room for any path the system can name; a longer or refused path shows
    // up as a failed write, never as a silent Cancel.
    parameters.maxFile = kPathCapacity;
    parameters.maxFileTitle = kPathCapacity;
    parameters.initialDir = os::CurrentDirectory();
    parameters.title = title;
    parameters.flags = os::OFN_OVERWRITEPROMPT | os::OFN_EXPLORER | os::OFN_ENABLESIZING;
    parameters.defaultExtension = "csv";
    return parameters;
}

void ReportFailure(os::HWND owner, const std::string& path) {
    os::MessageBox(owner,
                   "The results could not be saved as\n" + path +
                       "\n\nThe folder may be read-only or the disk full. An existing file of that name "
                       "has been left as it was.",
                   "Kestrany", os::MB_OK | os::MB_ICONEXCLAMATION);
}

}  // namespace

std::string ResultsCsv(const grid::VbGrid& grid) {
    std::string text = HeaderLine(grid);
    const std::int32_t rows = grid.Rows();
    for (std::int32_t r = 0; r < rows; ++r) text += RowLine(grid, r);
    return text;
}

void ExportResultsCsv(os::HWND owner, const grid::VbGrid& grid, const std::string& title) {
    os::OPENFILENAME parameters = SaveDialogParameters(owner, title);
    if (!os::GetSaveFileName(parameters)) return;
    const std::string path = TrimAtNul(parameters.file);
    if (!os::ReplaceFileContents(path, ResultsCsv(grid))) ReportFailure(owner, path);
}

}  // namespace app
