#include "os/windows/WindowProcedures.h"

#include <map>

namespace os {

namespace {

struct ProcedureTable {
    std::map<LONG_PTR, WindowProcedure> byId;
    std::map<WNDPROC, LONG_PTR> idOfFunction;
    LONG_PTR nextId = 0x1000;
};

ProcedureTable& Table() {
    static ProcedureTable table;
    return table;
}

}  // namespace

LONG_PTR RegisterWindowProcedure(WindowProcedure procedure) {
    ProcedureTable& table = Table();
    const LONG_PTR id = table.nextId++;
    table.byId.emplace(id, std::move(procedure));
    return id;
}

LONG_PTR RegisterWindowFunction(WNDPROC procedure) {
    ProcedureTable& table = Table();
    if (auto found = table.idOfFunction.find(procedure); found != table.idOfFunction.end()) {
        return found->second;
    }
    const LONG_PTR id = RegisterWindowProcedure(WindowProcedure(procedure));
    table.idOfFunction.emplace(procedure, id);
    return id;
}

void UnregisterWindowProcedure(LONG_PTR id) {
    ProcedureTable& table = Table();
    table.byId.erase(id);
    std::erase_if(table.idOfFunction, [id](const auto& entry) { return entry.second == id; });
}

bool IsWindowProcedure(LONG_PTR id) { return Table().byId.contains(id); }

LRESULT CallWindowProc(LONG_PTR procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto found = Table().byId.find(procedure);
    if (found == Table().byId.end()) return 0;
    // A copy, so that a procedure may unregister itself while it runs.
    WindowProcedure call = found->second;
    return call(window, message, wParam, lParam);
}

LONG_PTR DefaultWindowProcedure() {
    static const LONG_PTR id = RegisterWindowFunction(&DefWindowProc);
    return id;
}

}  // namespace os
