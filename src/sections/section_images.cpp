// The look-up of section images.
#include "sections/section_images.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "sections/section_shapes.h"

#include <cstdint>

namespace {

const wchar_t* const kUserSections = L"User Sections\\";

// The user's picture copied beside the icons when the copy is missing or
// older; false when there is no copy to show.
bool refreshAutomatedCopy(const Zrl_String& source, const Zrl_String& copy) {
    std::int64_t sourceTime = 0;
    std::int64_t copyTime = 0;
    const bool haveCopy = fileExists(copy) && ObjectExportGetFileTime(copy, copyTime);
    if (haveCopy && ObjectExportGetFileTime(source, sourceTime) && copyTime >= sourceTime)
        return true;
    // A failed copy still leaves an older one to show.
    return copyFile(source, copy) || haveCopy;
}

} // namespace

Zrl_String getSectionImagePath(const Zrl_String& picture, const Zrl_String& sectionName,
                               bool big) {
    Zrl_String base;
    bool userSection = false;
    if (!picture.isEmpty()) {
        base = picture.endsWith(L".dwg", false) ? removeExtension(getFileName(picture))
                                                 : sectionImageBaseName(picture.trimmed().toInt());
    } else {
        Zrl_String name = sectionName;
        if (name.startsWith(kUserSections, false))
            name = name.getSubStringAt(Zrl_String(kUserSections).length());
        base = removeExtension(name);
        userSection = true;
    }
    if (base.isEmpty()) return Zrl_String();

    const Zrl_String icons = Zrl_Settings::zrlDir() + L"icons\\";
    const Zrl_String suffix = big ? L"-big.bmp" : L"-small.bmp";
    const Zrl_String image = icons + base + suffix;
    if (fileExists(image)) return image;
    if (!big && userSection) {
        const Zrl_String source = Zrl_Settings::libDir() + kUserSections + base + L".bmp";
        const Zrl_String copy = icons + base + L"-automated.bmp";
        if (fileExists(source) && refreshAutomatedCopy(source, copy)) return copy;
    }
    return icons + L"Unknown" + suffix;
}
