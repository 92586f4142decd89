// Feeds arbitrary bytes to the two readers of property lists: the simple
// list, as text and as a file (the spreadsheet settings files are such
// lists), with the list read handed to the settings record; and the property
// list files of macros and templates. What reads must write and read back to
// the same list.
#include "platform/core/properties_list.h"
#include "sheettools/simple_props_list.h"
#include "sheettools/ss_settings.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// The scratch folder, removed when the process ends.
std::filesystem::path& scratch() {
    static std::filesystem::path dir;
    return dir;
}

const std::filesystem::path& file() {
    static const std::filesystem::path path = [] {
        const auto dir = std::filesystem::temp_directory_path() /
                         ("zrlss-fuzz-props-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        scratch() = dir;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(scratch(), ec);
        });
        return dir / "In.vkd";
    }();
    return path;
}

// The list's text reads back to the same text.
void checkStable(const Zrl_SimplePropsList& list) {
    const Zrl_String text = list.toText();
    Zrl_SimplePropsList again;
    if (again.fromText(text) != (list.length() > 0)) std::abort();
    if (again.length() > 0 && !(again.toText() == text)) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Zrl_SimplePropsList list;
    if (list.fromText(Zrl_String::fromUtf8(bytes))) checkStable(list);

    std::ofstream(file(), std::ios::binary | std::ios::trunc).write(bytes.data(),
                                                                     static_cast<long>(size));
    Zrl_PropertiesList props;
    if (props.readFromFile(Zrl_String::fromUtf8(file().string())) == Acad::eOk) {
        const Zrl_String out = Zrl_String::fromUtf8((file().parent_path() / "Out.mpl").string());
        Zrl_PropertiesList again;
        if (props.writeToFile(out) != Acad::eOk || again.readFromFile(out) != Acad::eOk ||
            !(again == props))
            std::abort();
    }

    Zrl_SimplePropsList fromFile;
    if (!fromFile.fromFile(Zrl_String::fromUtf8(file().string()))) return 0;
    checkStable(fromFile);
    VkSSSettings settings;
    settings.fromList(fromFile);
    const Zrl_String written = settings.toList().toText();
    VkSSSettings again;
    Zrl_SimplePropsList back;
    back.fromText(written);
    again.fromList(back);
    if (!(again.toList().toText() == written)) std::abort();
    return 0;
}
