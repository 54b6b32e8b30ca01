#pragma once

#include <string>
#include <vector>

#include "os/types/GdiTypes.h"

namespace os {

// One drawing call as a device context received it, in the context's
// coordinates. window is the window drawn on, 0 for off-screen contexts
// and the screen.
struct DrawRecord {
    std::string operation;  // the call's name: "FillRect", "LineTo", "DrawText", "BitBlt", ...
    HDC dc = 0;
    HWND window = 0;
    RECT rect;              // the rectangle drawn (a line's bounding box, a copy's destination)
    std::string text;       // text drawn
    COLORREF color = 0;     // fill, pen or text colour
};

// While one exists, every drawing call of every device context is listed,
// so that tests can see what was drawn and what was not. Drawing still
// happens as usual.
class DrawingRecorder {
public:
    DrawingRecorder();
    ~DrawingRecorder();
    DrawingRecorder(const DrawingRecorder&) = delete;
    DrawingRecorder& operator=(const DrawingRecorder&) = delete;

    const std::vector<DrawRecord>& Records() const { return records_; }
    // The records of one operation, or of one operation on one window.
    std::vector<DrawRecord> Of(const std::string& operation) const;
    std::vector<DrawRecord> Of(const std::string& operation, HWND window) const;
    void Clear() { records_.clear(); }

    void Add(DrawRecord record) { records_.push_back(std::move(record)); }

private:
    std::vector<DrawRecord> records_;
};

// The recorder now listening, nullptr when none.
DrawingRecorder* ActiveDrawingRecorder();
// Lists a call when a recorder listens.
void RecordDrawing(const char* operation, HDC dc, const RECT& rect, COLORREF color = 0, std::string text = {});

}  // namespace os
