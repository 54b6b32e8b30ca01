#include "grid/input/GridCellAction.h"

#include <cctype>

#include "grid/input/GridNavigation.h"
#include "grid/view/GridSelection.h"
#include "runtime/NumberReading.h"

namespace grid {

namespace {

// A check cell's truth: a Boolean as it is, a text only when it reads
// "true", anything else when its leading number is not 0.
bool CheckTruth(const runtime::Variant& value) {
    if (value.GetType() == runtime::Variant::Type::Boolean) return value.ToDouble() != 0;
    std::string text = value.ToText();
    if (value.GetType() == runtime::Variant::Type::String) {
        for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return text == "true";
    }
    return runtime::ReadLeadingNumber(text) != 0;
}

std::string Upper(std::string text) {
    for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return text;
}

}  // namespace

std::string CharacterText(std::int16_t code) {
    const auto unit = static_cast<std::uint16_t>(code);
    std::string text;
    if (unit < 0x80) {
        text.push_back(static_cast<char>(unit));
    } else if (unit < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (unit >> 6)));
        text.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    } else if (unit < 0xD800 || unit > 0xDFFF) {
        text.push_back(static_cast<char>(0xE0 | (unit >> 12)));
        text.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    }
    return text;
}

void GridCellAction::Run(std::int16_t code) {
    if (!grid_.Enabled()) return;
    if (grid_.Settings().selectionMode == SelectionMode::ByRow) {
        const std::int32_t editable = GridSelection(grid_.Parts()).FirstEditableColumn();
        if (editable >= 0) grid_.PlaceFocus(grid_.row(), editable);
    }
    if (!grid_.FocusInside()) return;
    const std::int32_t position = grid_.PositionOfDataIndex(grid_.col());
    if (grid_.row() < grid_.FixedRows() || position < grid_.FixedCols()) return;
    const GridColumn& column = grid_.ColumnAt(position);
    if (!column.editable) {
        KeySearch(code);
    } else if (!column.check) {
        grid_.SetInEdit(true);
        if (grid_.CellEditor()) grid_.CellEditor()->BeginCellEdit(grid_.row(), grid_.col(), code);
        else grid_.SetInEdit(false);
    } else {
        ToggleCheck(code);
    }
}

// A check cell toggles through an edit of no length, so that the host
// hears of the change as of any edit (EditDone, AfterUpdate).
void GridCellAction::ToggleCheck(std::int16_t code) {
    if (code != 0 && code != 32) return;
    const bool truth = CheckTruth(grid_.CellText(grid_.row(), grid_.col()));
    grid_.SetCellText(grid_.row(), grid_.col(), runtime::Variant(!truth));
    if (!grid_.CellEditor()) return;
    grid_.SetInEdit(true);
    grid_.CellEditor()->SetTag("0");
    grid_.CellEditor()->DoneEdit();
}

void GridCellAction::KeySearch(std::int16_t code) {
    if (code == 0 || grid_.KeySearchColumn() < 1) return;
    std::string& search = grid_.Interaction().searchText;
    const std::string before = search;
    search = Upper(search + CharacterText(code));
    std::int32_t found = grid_.FindSearchMatchRow(search, true, true);
    if (found < 0) {
        // The longer text matches nothing: keep what matched before and
        // search with it again. A first character that matches nothing
        // leaves the text empty, which finds the first non-empty key.
        search = before;
        found = grid_.FindSearchMatchRow(search, true, true);
        if (found < 0) return;
    }
    MoveToFound(found);
}

void GridCellAction::MoveToFound(std::int32_t row) {
    const std::int32_t oldRow = grid_.row(), oldCol = grid_.col();
    grid_.PlaceFocus(row, grid_.KeySearchColumn());
    GridSelection selection(grid_.Parts());
    if (grid_.MultiSelect()) {
        selection.SelectOnlyUnit(selection.ModeUnit(), row, grid_.col());
        selection.TouchFocus();
    } else {
        grid_.Interaction().previousRow = oldRow;
        grid_.Interaction().previousCol = oldCol;
        selection.MoveSingleSelection(true, oldCol, oldRow);
    }
    GridNavigation(grid_.Parts()).FinishStep();
}

}  // namespace grid
