#include "os/commoncontrols/ImageLists.h"

#include <unordered_map>
#include <vector>

#include "os/drawing/Colors.h"
#include "os/drawing/GdiTable.h"
#include "os/painting/PictureDrawing.h"
#include "os/types/QtConversions.h"

namespace os {

namespace {

struct ImageListData {
    int width = 0;
    int height = 0;
    std::vector<QImage> images;  // ARGB32, transparency in alpha
    COLORREF background = CLR_NONE;
};

struct Lists {
    std::unordered_map<HIMAGELIST, ImageListData> byHandle;
    HIMAGELIST nextHandle = 0x300000;
};

Lists& TheLists() {
    static Lists lists;
    return lists;
}

ImageListData* Find(HIMAGELIST list) {
    auto& byHandle = TheLists().byHandle;
    auto found = byHandle.find(list);
    return found == byHandle.end() ? nullptr : &found->second;
}

const QImage* ImageAt(HIMAGELIST list, int index) {
    const ImageListData* data = Find(list);
    if (data == nullptr || index < 0 || index >= static_cast<int>(data->images.size())) return nullptr;
    return &data->images[static_cast<std::size_t>(index)];
}

// Cuts a picture into the list's pieces; transparent(x, y) says which
// pixels of the whole picture to clear.
template <class Transparent>
int AddPieces(HIMAGELIST list, HBITMAP image, Transparent transparent) {
    ImageListData* data = Find(list);
    const QImage picture = PictureOf(image).convertToFormat(QImage::Format_ARGB32);
    if (data == nullptr || picture.isNull() || data->width <= 0) return -1;
    const int first = static_cast<int>(data->images.size());
    for (int left = 0; left + data->width <= picture.width(); left += data->width) {
        QImage piece = picture.copy(left, 0, data->width, data->height);
        for (int y = 0; y < piece.height(); ++y) {
            for (int x = 0; x < piece.width(); ++x) {
                if (transparent(left + x, y)) piece.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
        data->images.push_back(std::move(piece));
    }
    return static_cast<int>(data->images.size()) > first ? first : -1;
}

QImage OnBackground(const QImage& image, COLORREF background) {
    QImage result(image.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(ToQColor(background));
    QPainter painter(&result);
    painter.drawImage(QPoint(0, 0), image);
    return result;
}

QColor BlendColour(COLORREF foreground) {
    return ToQColor(foreground == CLR_DEFAULT || foreground == CLR_NONE ? GetSysColor(COLOR_HIGHLIGHT) : foreground);
}

}  // namespace

HIMAGELIST ImageList_Create(int width, int height, UINT /*flags*/, int /*initial*/, int /*grow*/) {
    if (width <= 0 || height <= 0) return 0;
    Lists& lists = TheLists();
    const HIMAGELIST handle = lists.nextHandle;
    lists.nextHandle += 4;
    lists.byHandle.emplace(handle, ImageListData{width, height, {}, CLR_NONE});
    return handle;
}

bool ImageList_Destroy(HIMAGELIST list) { return TheLists().byHandle.erase(list) > 0; }

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
    const QImage maskPicture = PictureOf(mask).convertToFormat(QImage::Format_RGB32);
    return AddPieces(list, image, [&](int x, int y) {
        return !maskPicture.isNull() && maskPicture.valid(x, y) && qGray(maskPicture.pixel(x, y)) >= 128;
    });
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor) {
    const QImage picture = PictureOf(image).convertToFormat(QImage::Format_ARGB32);
    return AddPieces(list, image, [&](int x, int y) { return ToCOLORREF(picture.pixel(x, y)) == maskColor; });
}

int ImageList_GetImageCount(HIMAGELIST list) {
    const ImageListData* data = Find(list);
    return data == nullptr ? 0 : static_cast<int>(data->images.size());
}

bool ImageList_GetIconSize(HIMAGELIST list, int& width, int& height) {
    const ImageListData* data = Find(list);
    if (data == nullptr) return false;
    width = data->width;
    height = data->height;
    return true;
}

COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color) {
    ImageListData* data = Find(list);
    return data == nullptr ? CLR_NONE : std::exchange(data->background, color);
}

bool ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
    return ImageList_DrawEx(list, index, dc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

bool ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int width, int height, COLORREF background,
                      COLORREF foreground, UINT style) {
    const QImage* image = ImageAt(list, index);
    if (image == nullptr) return false;
    const ImageListData& data = *Find(list);
    QImage shown = *image;
    const COLORREF fill = background == CLR_DEFAULT ? data.background : background;
    if ((style & ILD_TRANSPARENT) == 0 && fill != CLR_NONE) shown = OnBackground(shown, fill);
    if ((style & ILD_BLEND50) != 0) shown = Blended(shown, BlendColour(foreground), 0.5);
    if ((style & ILD_BLEND25) != 0) shown = Blended(shown, BlendColour(foreground), 0.25);
    const QRect rect(x, y, width > 0 ? width : data.width, height > 0 ? height : data.height);
    return DrawPicture(dc, shown, rect, "ImageList_Draw");
}

HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT /*flags*/) {
    const QImage* image = ImageAt(list, index);
    if (image == nullptr) return 0;
    return GdiTable::Add(std::make_shared<IconData>(IconData{*image}));
}

bool DestroyIcon(HICON icon) { return GdiTable::Get<IconData>(icon) && GdiTable::Remove(icon); }

}  // namespace os
