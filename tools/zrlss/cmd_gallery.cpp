// zrlss gallery: the macro drawings of the library (--lib) that pass the
// module filter, a line each: label TAB drawing TAB picture (the ".bmp"
// beside the drawing, else its preview ".abm"). --off MODULE switches a
// module off, --off MODULE:PROPERTY one property of it; --previews makes the
// missing previews first; --json prints [{label, drawing, picture}].
#include "command.h"
#include "platform/core/files.h"
#include "platform/core/macro_props_filter.h"
#include "platform/core/paths.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace zrlss {

namespace {

struct GalleryArgs {
    std::vector<std::string> off;
    bool previews = false;
    bool json = false;
};

int runGallery(const GalleryArgs& args) {
    Zrl_MacroPropsFilter filter;
    filter.initialize(Zrl_StringArray(), AcArray<bool>(), filter.width, filter.height);
    if (filter.getAllDwgFiles().isEmpty())
        throw Failure{"no macro drawings under the library's Macros folder"};
    for (const std::string& item : args.off) {
        const size_t colon = item.find(':');
        const Zrl_String module = Zrl_String::fromUtf8(item.substr(0, colon));
        if (module.isEmpty()) throw Failure{"--off needs a module: " + item};
        if (colon == std::string::npos)
            filter.setModuleStatus(module, false);
        else
            filter.setModulePropStatus(module, Zrl_String::fromUtf8(item.substr(colon + 1)),
                                       false);
    }
    if (args.previews) {
        Zrl_StringArray missing;
        for (const Zrl_String& path : filter.getAllDwgFiles())
            if (!fileExists(changeExtension(path, L"bmp"))) missing.append(path);
        CreatePreviewBMPs(filter.width, filter.height, missing, L"abm");
    }
    nlohmann::json list = nlohmann::json::array();
    for (const Zrl_String& drawing : filter.getFilteredMacros()) {
        Zrl_String picture = changeExtension(drawing, L"bmp");
        if (!fileExists(picture)) picture = changeExtension(drawing, L"abm");
        const std::string label = removeExtension(getFileName(drawing)).toUtf8();
        const std::string shownDrawing = pathToText(resolvePath(drawing)).toUtf8();
        const std::string shownPicture = pathToText(resolvePath(picture)).toUtf8();
        if (args.json)
            list.push_back({{"label", label}, {"drawing", shownDrawing}, {"picture", shownPicture}});
        else
            std::cout << label << '\t' << shownDrawing << '\t' << shownPicture << '\n';
    }
    if (args.json) std::cout << list.dump(2) << '\n';
    return 0;
}

void setupGallery(CommandLine& cli, const SharedOptions&) {
    auto args = std::make_shared<GalleryArgs>();
    cli.add("gallery", "List the library's macro drawings that pass a module filter")
        .option("--off", args->off, "switch a module (MODULE) or a property (MODULE:PROPERTY) off")
        .flag("--previews", args->previews, "make the missing preview pictures first")
        .flag("--json", args->json, "print a JSON list")
        .withoutModule()
        .run([args] { return runGallery(*args); });
}

const Registrar registrar(setupGallery);

} // namespace

} // namespace zrlss
