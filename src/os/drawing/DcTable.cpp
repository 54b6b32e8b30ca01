#include "os/drawing/DcTable.h"

#include <unordered_map>

#include "os/drawing/GdiObjects.h"

namespace os {

namespace {

struct Table {
    std::unordered_map<HDC, std::unique_ptr<DeviceContext>> contexts;
    HDC nextHandle = 0x100000;
    std::uint64_t nextClipSerial = 1;
};

Table& TheTable() {
    static Table table;
    return table;
}

HFONT DefaultFont() {
    static const HFONT font = CreateFontIndirect(DefaultFontDescription());
    return font;
}

}  // namespace

HDC DcTable::Add(std::unique_ptr<DeviceContext> context) {
    Table& table = TheTable();
    const HDC handle = table.nextHandle;
    table.nextHandle += 4;
    table.contexts.emplace(handle, std::move(context));
    return handle;
}

DeviceContext* DcTable::Find(HDC dc) {
    auto& contexts = TheTable().contexts;
    auto found = contexts.find(dc);
    return found == contexts.end() ? nullptr : found->second.get();
}

bool DcTable::Remove(HDC dc) { return TheTable().contexts.erase(dc) > 0; }

std::uint64_t DcTable::NextClipSerial() { return ++TheTable().nextClipSerial; }

void ResetDeviceContext(DeviceContext& context) {
    context.pen = GetStockObject(BLACK_PEN);
    context.penData = GdiTable::Get<const PenData>(context.pen);
    context.brush = GetStockObject(WHITE_BRUSH);
    context.brushData = GdiTable::Get<const BrushData>(context.brush);
    context.font = DefaultFont();
    context.fontData = GdiTable::Get<const FontData>(context.font);
    context.textColor = 0;
    context.backColor = 0xFFFFFF;
    context.backMode = 2;
    context.position = {};
    context.clip.reset();
    context.clipSerial = DcTable::NextClipSerial();
}

}  // namespace os
