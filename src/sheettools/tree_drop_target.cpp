#include "sheettools/tree_drop_target.h"

#include "platform/core/text_helpers.h"
#include "platform/host/command_line.h"
#include "platform/host/host_product.h"
#include "platform/host/selection_sets.h"
#include "platform/win/clipboard.h"
#include "sheettools/tree_spread.h"

#include <exception>

namespace {

bool hasTreeText(const win::DataObject& data) {
    return data.hasFormat(win::registerClipboardFormat(VkTreeSpread::kDragFormatName)) &&
           data.text().has_value();
}

bool hasHostObjects(const win::DataObject& data) {
    return data.hasFormat(win::registerClipboardFormat(CTreeDropTarget::hostFormatName()));
}

void readPreviousSelection(Zrl_Array<AcDbObjectId>& objects) {
    ads_name set = {0, 0};
    if (acedSSGet(L"_P", nullptr, nullptr, nullptr, set) != RTNORM) return;
    std::int32_t length = 0;
    if (acedSSLength(set, &length) == RTNORM) {
        for (std::int32_t i = 0; i < length; ++i) {
            ads_name entity = {0, 0};
            AcDbObjectId id;
            if (acedSSName(set, i, entity) == RTNORM && acdbGetObjectId(id, entity) == Acad::eOk)
                objects.append(id);
        }
    }
    acedSSFree(set);
}

} // namespace

std::wstring CTreeDropTarget::hostFormatName() {
    return host::productName() + L".r" + std::to_wstring(host::productRelease());
}

bool CTreeDropTarget::isUsable(const win::DataObject& data) {
    return hasHostObjects(data) || hasTreeText(data);
}

bool CTreeDropTarget::readDrop(const win::DataObject& data, Zrl_StringArray& texts,
                               Zrl_Array<AcDbObjectId>& objects) {
    texts.removeAll();
    objects.removeAll();
    if (hasHostObjects(data)) readPreviousSelection(objects);
    if (hasTreeText(data)) strToArr(Zrl_String(*data.text()), texts, L';');
    return !texts.isEmpty() || !objects.isEmpty();
}

std::uint32_t CTreeDropTarget::dragEnter(win::Window&, const win::DataObject& data, win::KeyState,
                                         win::Point) {
    return isUsable(data) ? win::DROPEFFECT_COPY : win::DROPEFFECT_NONE;
}

std::uint32_t CTreeDropTarget::dragOver(win::Window& window, const win::DataObject& data,
                                        win::KeyState keys, win::Point point) {
    return dragEnter(window, data, keys, point);
}

std::uint32_t CTreeDropTarget::drop(win::Window&, const win::DataObject& data, std::uint32_t,
                                    win::Point) {
    Zrl_StringArray texts;
    Zrl_Array<AcDbObjectId> objects;
    if (!readDrop(data, texts, objects)) return win::DROPEFFECT_NONE;
    try {
        return tree_.acceptDrop(texts, objects) ? win::DROPEFFECT_COPY : win::DROPEFFECT_NONE;
    } catch (const std::exception& e) {
        acutPrintf(L"*Error* Drop handling failed: %ls\n", Zrl_String::fromUtf8(e.what()).c_str());
    } catch (...) {
        acutPrintf(L"*Error* Drop handling failed.\n");
    }
    return win::DROPEFFECT_NONE;
}
