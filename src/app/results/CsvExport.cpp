#include "app/results/CsvExport.h"

#include <vector>

#include "app/files/FailureMessage.h"
#include "app/files/IniFile.h"
#include "app/files/LanguageTexts.h"
#include "calc/texts/ResultTexts.h"
#include "grid/core/VbGrid.h"
#include "os/desktop/Application.h"
#include "os/desktop/BusyCursor.h"
#include "os/files/AtomicFile.h"
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
    const grid::GridTable& table = grid.Table();
    std::vector<std::string> fields;
    for (std::int32_t c = 0; c < grid.Cols(); ++c) fields.push_back(table.Text(row, c));
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

}  // namespace

bool WriteResultsCsv(const grid::VbGrid& grid, const std::function<bool(std::string_view)>& put) {
    constexpr std::size_t kPiece = 1 << 20;
    std::string piece = HeaderLine(grid);
    const std::int32_t rows = grid.Rows();
    for (std::int32_t r = 0; r < rows; ++r) {
        piece += RowLine(grid, r);
        if (piece.size() < kPiece) continue;
        if (!put(piece)) return false;
        piece.clear();
    }
    return put(piece);
}

std::string ResultsCsv(const grid::VbGrid& grid) {
    std::string text;
    WriteResultsCsv(grid, [&text](std::string_view piece) {
        text += piece;
        return true;
    });
    return text;
}

void ExportResultsCsv(os::HWND owner, const grid::VbGrid& grid, const std::string& title) {
    os::OPENFILENAME parameters = SaveDialogParameters(owner, title);
    if (!os::GetSaveFileName(parameters)) {
        // A name too long for any path is refused as the system refuses it.
        if (os::CommDlgExtendedError() == os::FNERR_BUFFERTOOSMALL)
            TellFailure(owner, kCsvNotSavedText, parameters.file);
        return;
    }
    const std::string path = TrimAtNul(parameters.file);
    bool written = false;
    {
        const os::BusyCursor busy;  // a long list takes a while
        // The text goes to the file a piece at a time: a long list is never held as text whole.
        written = os::ReplaceFileContentsBy(
            path, [&grid](const os::PieceWriter& put) { return WriteResultsCsv(grid, put); });
    }
    if (!written) TellFailure(owner, kCsvNotSavedText, path);
}

}  // namespace app
