#pragma once

#include "os/types/GdiTypes.h"

namespace os {

// ImageList_Create flags.
inline constexpr UINT ILC_MASK = 0x1;
inline constexpr UINT ILC_COLOR32 = 0x20;

// Drawing styles.
inline constexpr UINT ILD_NORMAL = 0x0;
inline constexpr UINT ILD_TRANSPARENT = 0x1;
inline constexpr UINT ILD_BLEND25 = 0x2;
inline constexpr UINT ILD_FOCUS = 0x2;
inline constexpr UINT ILD_BLEND50 = 0x4;
inline constexpr UINT ILD_SELECTED = 0x4;
inline constexpr UINT ILD_BLEND = 0x4;

// A list of images of one size, drawn by index.
HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow);
bool ImageList_Destroy(HIMAGELIST list);
// Adds the images of a bitmap, cut into pieces of the list's width. A mask
// bitmap marks transparent pixels in white; a mask colour marks them by
// colour. Returns the index of the first image added, -1 on failure.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor);
int ImageList_GetImageCount(HIMAGELIST list);
bool ImageList_GetIconSize(HIMAGELIST list, int& width, int& height);
// The list's background colour, CLR_NONE (transparent) at first.
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color);

// Draws image index at x, y. ILD_TRANSPARENT leaves transparent pixels
// alone; ILD_BLEND50 / ILD_BLEND25 blend the image with the highlight
// colour (DrawEx: with foreground, CLR_DEFAULT the highlight colour).
// DrawEx sizes of 0 mean the image's size; background CLR_NONE means
// transparent, CLR_DEFAULT the list's background colour.
bool ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
bool ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int width, int height, COLORREF background,
                      COLORREF foreground, UINT style);

// An icon holding a copy of one image; DestroyIcon releases it.
HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags);
bool DestroyIcon(HICON icon);

}  // namespace os
