// Part pictures: a small bitmap per row, drawn from the row's texts.
#include "platform/core/images.h"

#include "platform/core/paths.h"
#include "platform/win/bitmap.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>

namespace {

bool gDialogOpen = false;
int gDialogCount = 0;

Zrl_String imageFolderOf(const Zrl_Bill& bill) {
    if (!bill.imageFolder.isEmpty()) return ensureEndBSlash(bill.imageFolder);
    std::error_code ec;
    const std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
    return ensureEndBSlash(pathToText(ec ? std::filesystem::path("/tmp") : tmp));
}

} // namespace

bool createImage(const Zrl_StringArray& cells, Zrl_String& imagePath, int& view, int& count,
                 int& options, bool& shaded, bool& framed, Zrl_Bill* bill,
                 AcTransaction* transaction) {
    (void)view;
    (void)count;
    (void)options;
    (void)shaded;
    imagePath = Zrl_String();
    if (!bill || !transaction || cells.isEmpty() || cells[0] == bill->noImageMark) return false;
    // A picture whose colour follows the part's name, framed on request.
    const size_t hash = std::hash<std::wstring>()(cells[0].str());
    win::Bitmap picture(bill->imageWidth, bill->imageHeight,
                        win::rgb(static_cast<std::uint8_t>(hash),
                                 static_cast<std::uint8_t>(hash >> 8),
                                 static_cast<std::uint8_t>(hash >> 16)));
    if (picture.isNull()) return false;
    if (framed) picture.frameRect({0, 0, bill->imageWidth, bill->imageHeight}, win::rgb(0, 0, 0));
    static std::atomic<int> serial{0};
    const Zrl_String path = imageFolderOf(*bill) + L"zrl_part_" + Zrl_String(int(getpid())) + L"_" +
                            Zrl_String(serial++) + L".bmp";
    if (!picture.save(resolvePath(path).wstring())) return false;
    ++bill->imagesMade;
    imagePath = path;
    return true;
}

void initBMPDialog(int count) {
    gDialogOpen = true;
    gDialogCount = count;
}

void closeBMPDialog() {
    gDialogOpen = false;
}

bool bmpDialogOpen() {
    return gDialogOpen;
}

int bmpDialogCount() {
    return gDialogCount;
}
