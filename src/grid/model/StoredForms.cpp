#include "grid/model/StoredForms.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/drawing/GdiObjects.h"

namespace grid {

namespace {

constexpr long kMostPixels = 4L * 1024 * 1024;  // a damaged size must not ask for gigabytes

std::optional<int> Number(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace

std::string FontText(const GridFont& font) {
    // to_chars, not printf: the text must not follow the user's decimal mark.
    char size[32];
    const auto written = std::to_chars(size, size + sizeof size, font.size);
    const std::string sizeText(size, written.ptr);
    std::string flags;
    if (font.bold) flags += 'b';
    if (font.italic) flags += 'i';
    if (font.underline) flags += 'u';
    if (font.strikethrough) flags += 's';
    return font.name + ";" + sizeText + ";" + flags;
}

std::optional<GridFont> FontFromText(const std::string& text) {
    const std::size_t first = text.find(';');
    const std::size_t second = first == std::string::npos ? first : text.find(';', first + 1);
    if (second == std::string::npos || first == 0) return std::nullopt;
    GridFont font;
    font.name = text.substr(0, first);
    const std::string size = text.substr(first + 1, second - first - 1);
    const char* end = size.data() + size.size();
    const auto [stop, error] = std::from_chars(size.data(), end, font.size);
    if (size.empty() || error != std::errc() || stop != end || !(font.size > 0 && font.size < 1000)) return std::nullopt;
    for (char flag : text.substr(second + 1)) {
        switch (flag) {
        case 'b': font.bold = true; break;
        case 'i': font.italic = true; break;
        case 'u': font.underline = true; break;
        case 's': font.strikethrough = true; break;
        default: return std::nullopt;
        }
    }
    return font;
}

std::string PictureText(const PictureRef& picture) {
    if (!picture || !picture->Bitmap() || picture->Width() <= 0 || picture->Height() <= 0) return {};
    const int w = picture->Width(), h = picture->Height();
    std::string text = std::to_string(w) + "x" + std::to_string(h) + ":";
    text.reserve(text.size() + static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 6);
    const os::HDC dc = os::CreateCompatibleDC(0);
    const os::HGDIOBJ previous = os::SelectObject(dc, picture->Bitmap());
    char hex[8];
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const os::COLORREF c = os::GetPixel(dc, x, y);
            std::snprintf(hex, sizeof hex, "%02X%02X%02X", os::GetRValue(c), os::GetGValue(c), os::GetBValue(c));
            text += hex;
        }
    os::SelectObject(dc, previous);
    os::DeleteDC(dc);
    return text;
}

PictureRef PictureFromText(const std::string& text) {
    const std::size_t x = text.find('x'), colon = text.find(':');
    if (x == std::string::npos || colon == std::string::npos || colon < x) return nullptr;
    const std::optional<int> w = Number(text.substr(0, x)), h = Number(text.substr(x + 1, colon - x - 1));
    if (!w || !h || *w <= 0 || *h <= 0 || static_cast<long>(*w) * *h > kMostPixels) return nullptr;
    const std::size_t count = static_cast<std::size_t>(*w) * static_cast<std::size_t>(*h);
    if (text.size() - colon - 1 != count * 6) return nullptr;
    std::vector<std::uint32_t> pixels(count);
    const char* digits = text.data() + colon + 1;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t rgb = 0;
        const auto [stop, error] = std::from_chars(digits + i * 6, digits + i * 6 + 6, rgb, 16);
        if (error != std::errc() || stop != digits + i * 6 + 6) return nullptr;
        pixels[i] = 0xFF000000u | rgb;
    }
    return std::make_shared<PixelPicture>(*w, *h, pixels.data());
}

PixelPicture::PixelPicture(int width, int height, const std::uint32_t* pixels)
    : width_(width), height_(height), bitmap_(os::CreateBitmapFromPixels(width, height, pixels)) {}

PixelPicture::~PixelPicture() {
    if (bitmap_) os::DeleteObject(bitmap_);
}

}  // namespace grid
