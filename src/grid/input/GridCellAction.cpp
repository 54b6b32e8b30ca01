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
    if (!host_.Enabled()) return;
    if (parts_.settings.selectionMode == SelectionMode::ByRow) {
        const std::int32_t editable = GridSelection(parts_).FirstEditableColumn();
        if (editable >= 0) view_.PlaceFocus(view_.Row(), editable);
    }
    if (!parts_.FocusInside()) return;
    const std::int32_t position = parts_.columns.PositionOf(view_.Col());
    if (view_.Row() < host_.FixedRows() || position < host_.FixedCols()) return;
    const GridColumn& column = parts_.columns.At(position);
    if (!column.editable) {
        KeySearch(code);
    } else if (!column.check) {
        view_.SetInEdit(true);
        if (host_.CellEditor()) host_.CellEditor()->BeginCellEdit(view_.Row(), view_.Col(), code);
        else view_.SetInEdit(false);
    } else {
        ToggleCheck(code);
    }
}

// A check cell toggles through an edit of no length, so that the host
// hears of the change as of any edit (EditDone, AfterUpdate).
void GridCellAction::ToggleCheck(std::int16_t code) {
    if (code != 0 && code != 32) return;
    const bool truth = CheckTruth(host_.CellText(view_.Row(), view_.Col()));
    host_.SetCellText(view_.Row(), view_.Col(), runtime::Variant(!truth));
    if (!host_.CellEditor()) return;
    view_.SetInEdit(true);
    host_.CellEditor()->SetTag("0");
    host_.CellEditor()->DoneEdit();
}

void GridCellAction::KeySearch(std::int16_t code) {
    if (code == 0 || host_.KeySearchColumn() < 1) return;
    std::string& search = view_.Interaction().searchText;
    const std::string before = search;
    search = Upper(search + CharacterText(code));
    std::int32_t found = host_.FindSearchMatchRow(search, true, true);
    if (found < 0) {
        // The longer text matches nothing: keep what matched before and
        // search with it again. A first character that matches nothing
        // leaves the text empty, which finds the first non-empty key.
        search = before;
        found = host_.FindSearchMatchRow(search, true, true);
        if (found < 0) return;
    }
    MoveToFound(found);
}

void GridCellAction::MoveToFound(std::int32_t row) {
    const std::int32_t oldRow = view_.Row(), oldCol = view_.Col();
    view_.PlaceFocus(row, host_.KeySearchColumn());
    GridSelection selection(parts_);
    if (host_.MultiSelect()) {
        selection.SelectOnlyUnit(selection.ModeUnit(), row, view_.Col());
        selection.TouchFocus();
    } else {
        view_.Interaction().previousRow = oldRow;
        view_.Interaction().previousCol = oldCol;
        selection.MoveSingleSelection(true, oldCol, oldRow);
    }
    GridNavigation(parts_).FinishStep();
}

}  // namespace grid
