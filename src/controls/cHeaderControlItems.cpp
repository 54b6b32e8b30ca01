#include <algorithm>
#include <array>

#include "controls/cHeaderControl.h"
#include "os/commoncontrols/ImageLists.h"
#include "os/windows/Messaging.h"

namespace controls {

namespace {

constexpr int TextBufferSize = 255;

bool ValidImage(os::HIMAGELIST list, std::int32_t image) {
    return image >= 0 && image < os::ImageList_GetImageCount(list);
}

}  // namespace

std::int32_t cHeaderControl::Count() {
    count_ = header_ == 0 ? 0 : static_cast<std::int32_t>(os::SendMessage(header_, os::HDM_GETITEMCOUNT, 0, 0));
    return count_;
}

std::int32_t cHeaderControl::Insert(const std::string& text, std::int32_t width, EHeaderAlignment alignment,
                                    os::LPARAM data, std::int32_t image, std::int32_t position) {
    if (header_ == 0) return -1;
    const std::int32_t at = position < 0 ? Count() : position;
    std::string held = text;
    os::HDITEM item;
    item.mask = os::HDI_FORMAT | os::HDI_LPARAM;
    item.fmt = static_cast<int>(alignment) | os::HDF_STRING;
    item.lParam = data;
    if (!text.empty()) {
        item.mask |= os::HDI_TEXT;
        item.pszText = held.data();
        item.cchTextMax = static_cast<std::int32_t>(held.size());
    }
    if (width >= 0) {
        item.mask |= os::HDI_WIDTH;
        item.cxy = width;
    }
    if (ValidImage(imageList_, image)) {
        item.mask |= os::HDI_IMAGE;
        item.fmt |= os::HDF_IMAGE;
        item.iImage = image;
    }
    const auto index = static_cast<std::int32_t>(
        os::SendMessage(header_, os::HDM_INSERTITEM, static_cast<os::WPARAM>(at), reinterpret_cast<os::LPARAM>(&item)));
    if (index < 0) return index;
    texts_.insert(texts_.begin() + std::min<std::size_t>(static_cast<std::size_t>(index), texts_.size()), text);
    ++count_;
    return index;
}

bool cHeaderControl::Delete(std::int32_t index) {
    if (header_ == 0 || os::SendMessage(header_, os::HDM_DELETEITEM, static_cast<os::WPARAM>(index), 0) == 0) {
        return false;
    }
    if (index >= 0 && static_cast<std::size_t>(index) < texts_.size()) texts_.erase(texts_.begin() + index);
    --count_;
    return true;
}

bool cHeaderControl::ReadItem(std::int32_t index, os::HDITEM& item) const {
    return header_ != 0 && os::SendMessage(header_, os::HDM_GETITEM, static_cast<os::WPARAM>(index),
                                           reinterpret_cast<os::LPARAM>(&item)) != 0;
}

bool cHeaderControl::WriteItem(std::int32_t index, const os::HDITEM& item) {
    return header_ != 0 && os::SendMessage(header_, os::HDM_SETITEM, static_cast<os::WPARAM>(index),
                                           reinterpret_cast<os::LPARAM>(&item)) != 0;
}

std::string cHeaderControl::Text(std::int32_t index) const {
    std::array<char, TextBufferSize + 1> buffer{};
    os::HDITEM item;
    item.mask = os::HDI_TEXT;
    item.pszText = buffer.data();
    item.cchTextMax = TextBufferSize;
    if (!ReadItem(index, item)) return {};
    return std::string(buffer.data());
}

void cHeaderControl::SetText(std::int32_t index, const std::string& text) {
    std::string held = text;
    os::HDITEM item;
    item.mask = os::HDI_TEXT;
    item.pszText = held.data();
    item.cchTextMax = static_cast<std::int32_t>(held.size());
    if (WriteItem(index, item) && static_cast<std::size_t>(index) < texts_.size()) texts_[static_cast<std::size_t>(index)] = text;
}

std::int32_t cHeaderControl::ColumnWidth(std::int32_t index) const {
    os::HDITEM item;
    item.mask = os::HDI_WIDTH;
    if (!ReadItem(index, item)) return index == -1 ? -1 : 0;
    return item.cxy;
}

void cHeaderControl::SetColumnWidth(std::int32_t index, std::int32_t width) {
    os::HDITEM item;
    item.mask = os::HDI_WIDTH;
    item.cxy = width;
    if (WriteItem(index, item) && host_ != nullptr) host_->ColumnWidthChanged(index, width);
}

EHeaderAlignment cHeaderControl::Alignment(std::int32_t index) const {
    os::HDITEM item;
    item.mask = os::HDI_FORMAT;
    if (!ReadItem(index, item)) return EHeaderAlignment::Left;
    return static_cast<EHeaderAlignment>(item.fmt & os::HDF_JUSTIFYMASK);
}

void cHeaderControl::SetAlignment(std::int32_t index, EHeaderAlignment alignment) {
    os::HDITEM item;
    item.mask = os::HDI_FORMAT;
    if (!ReadItem(index, item)) return;
    item.fmt = (item.fmt & ~os::HDF_JUSTIFYMASK) | static_cast<int>(alignment);
    WriteItem(index, item);
}

os::LPARAM cHeaderControl::Data(std::int32_t index) const {
    os::HDITEM item;
    item.mask = os::HDI_LPARAM;
    return ReadItem(index, item) ? item.lParam : 0;
}

void cHeaderControl::SetData(std::int32_t index, os::LPARAM data) {
    os::HDITEM item;
    item.mask = os::HDI_LPARAM;
    item.lParam = data;
    WriteItem(index, item);
}

std::int32_t cHeaderControl::Order(std::int32_t index) const {
    os::HDITEM item;
    item.mask = os::HDI_ORDER;
    return ReadItem(index, item) ? item.iOrder : 0;
}

void cHeaderControl::SetOrder(std::int32_t index, std::int32_t order) {
    os::HDITEM item;
    item.mask = os::HDI_ORDER;
    item.iOrder = order;
    WriteItem(index, item);
}

std::int32_t cHeaderControl::Image(std::int32_t index) const {
    os::HDITEM item;
    item.mask = os::HDI_IMAGE;
    return ReadItem(index, item) ? item.iImage : 0;
}

void cHeaderControl::SetImage(std::int32_t index, std::int32_t image) {
    os::HDITEM item;
    item.mask = os::HDI_FORMAT;
    if (!ReadItem(index, item)) return;
    item.mask = os::HDI_FORMAT | os::HDI_IMAGE;
    item.iImage = image;
    item.fmt = ValidImage(imageList_, image) ? item.fmt | os::HDF_IMAGE : item.fmt & ~os::HDF_IMAGE;
    WriteItem(index, item);
}

bool cHeaderControl::ImageOnRight(std::int32_t index) const {
    os::HDITEM item;
    item.mask = os::HDI_FORMAT;
    return ReadItem(index, item) && (item.fmt & os::HDF_BITMAP_ON_RIGHT) != 0;
}

void cHeaderControl::SetImageOnRight(std::int32_t index, bool onRight) {
    os::HDITEM item;
    item.mask = os::HDI_FORMAT;
    if (!ReadItem(index, item)) return;
    item.fmt = onRight ? item.fmt | os::HDF_BITMAP_ON_RIGHT : item.fmt & ~os::HDF_BITMAP_ON_RIGHT;
    WriteItem(index, item);
}

}  // namespace controls
