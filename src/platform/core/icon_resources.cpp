#include "platform/core/icon_resources.h"

#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "platform/win/bitmap.h"
#include "platform/win/resources.h"

#include <string>

bool ensureIconResource(int number) {
    if (number == 0) return false;
    if (win::findBitmapResource(number)) return true;
    const Zrl_String path = Zrl_Settings::zrlDir() + L"icons\\icon" +
                            Zrl_String(std::to_wstring(number)) + L".bmp";
    const std::optional<win::Bitmap> picture = win::Bitmap::load(pathToText(resolvePath(path)).str());
    return picture && win::registerBitmapResource(win::currentResourceModule(), number, *picture);
}
