#include "os/drawing/DrawRecording.h"

#include "os/drawing/DcTable.h"

namespace os {

namespace {

DrawingRecorder*& Active() {
    static DrawingRecorder* active = nullptr;
    return active;
}

}  // namespace

DrawingRecorder::DrawingRecorder() { Active() = this; }

DrawingRecorder::~DrawingRecorder() {
    if (Active() == this) Active() = nullptr;
}

std::vector<DrawRecord> DrawingRecorder::Of(const std::string& operation) const {
    std::vector<DrawRecord> found;
    for (const DrawRecord& record : records_) {
        if (record.operation == operation) found.push_back(record);
    }
    return found;
}

std::vector<DrawRecord> DrawingRecorder::Of(const std::string& operation, HWND window) const {
    std::vector<DrawRecord> found = Of(operation);
    std::erase_if(found, [window](const DrawRecord& record) { return record.window != window; });
    return found;
}

DrawingRecorder* ActiveDrawingRecorder() { return Active(); }

void RecordDrawing(const char* operation, HDC dc, const RECT& rect, COLORREF color, std::string text) {
    DrawingRecorder* recorder = Active();
    if (recorder == nullptr) return;
    const DeviceContext* context = DcTable::Find(dc);
    const HWND window = context != nullptr && context->kind == DcKind::Window ? context->window : 0;
    recorder->Add({operation, dc, window, rect, std::move(text), color});
}

}  // namespace os
