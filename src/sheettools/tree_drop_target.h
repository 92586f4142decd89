// CTreeDropTarget: what a VkTreeSpread does with drops.
//
// Two kinds of data are taken:
// - the host's drawing objects, recognised by the host's drag format
//   (named after the host's product name and release, "<name>.r<release>"):
//   the objects are those of the host's previous selection set;
// - rows of a tree: Unicode text with the private format
//   VkTreeSpread::kDragFormatName; the text holds the texts separated by ";".
// The tree then stores the texts and objects and calls its drop callback.
// A drop that brings nothing (no usable data, an empty selection set) is
// refused and calls nothing.
#pragma once

#include "platform/core/zrl_array.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/object_id.h"
#include "platform/win/drag_drop.h"

#include <string>

class VkTreeSpread;

class CTreeDropTarget : public win::DropTarget {
public:
    explicit CTreeDropTarget(VkTreeSpread& tree) : tree_(tree) {}

    // Name of the host's drag format.
    static std::wstring hostFormatName();
    // True when the data carry something a tree takes.
    static bool isUsable(const win::DataObject& data);
    // The objects of the host's previous selection set (empty when there is
    // none), and the texts of tree data; false when the data brought neither.
    static bool readDrop(const win::DataObject& data, Zrl_StringArray& texts,
                         Zrl_Array<AcDbObjectId>& objects);

    std::uint32_t dragEnter(win::Window& window, const win::DataObject& data, win::KeyState keys,
                            win::Point point) override;
    std::uint32_t dragOver(win::Window& window, const win::DataObject& data, win::KeyState keys,
                           win::Point point) override;
    std::uint32_t drop(win::Window& window, const win::DataObject& data, std::uint32_t effect,
                       win::Point point) override;

private:
    VkTreeSpread& tree_;
};
