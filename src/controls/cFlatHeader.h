#pragma once

#include <cstdint>

#include "os/types/GdiTypes.h"
#include "platform/ISubclass.h"
#include "platform/cSubclass.h"
#include <memory>

namespace controls {

// The error Attach raises when no header is found.
inline constexpr std::int32_t ErrorNoHeaderControl = 26020;

// Repaints a header control flat: after the header has painted itself, its
// raised edges are replaced by a single line, lighter on a pressed item.
class cFlatHeader : public platform::ISubclass {
public:
    cFlatHeader() = default;
    ~cFlatHeader() override = default;
    cFlatHeader(const cFlatHeader&) = delete;
    cFlatHeader& operator=(const cFlatHeader&) = delete;

    // Takes a header window, or a window with a header among its children.
    // Raises 26020 when there is none.
    void Attach(os::HWND window);
    void Detach();
    os::HWND Header() const { return header_; }

    std::int32_t MsgResponse() const override { return platform::response::PreviousBefore; }
    void WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                    os::LRESULT& result) override;

private:
    void Paint() const;

    os::HWND header_ = 0;
    std::unique_ptr<platform::cSubclass> hook_;
};

// Draws the flat edges of every item of the header on dc.
void PaintFlatHeader(os::HWND header, os::HDC dc, const os::RECT& bounds);

}  // namespace controls
