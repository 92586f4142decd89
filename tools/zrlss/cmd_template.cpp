// zrlss template: the designed dialogs of the library in use (--lib), read
// and written through the module's exported designer classes.
//
//   --list               every template name
//   NAME                 one tab-separated line per control: index, type,
//                        rectangle (pixels, or factors without a picture),
//                        run-mode tab order, contents, merged list text
//   NAME --names         the named fields
//   NAME --json          the template as JSON
//   NAME --from-json F   writes the template from that JSON form (with
//                        --picture BMP copied beside it when readable)
//   NAME --check         "ok: N controls" or one line per problem (exit 1)
//   NAME --render OUT    the canvas as the designer draws it, all selected
//
// NAME is a template name ("Bases\Base Plate", "/" allowed) or the path of
// its ".txt" file under the designer root folder. Failures print one line
// and write nothing.
#include "command.h"
#include "designer/dlg_designer_data.h"
#include "designer/template_check.h"
#include "platform/core/files.h"
#include "platform/core/number_text.h"
#include "platform/core/paths.h"
#include "platform/core/record_json.h"
#include "platform/core/rect_tracker.h"
#include "platform/host/module_loader.h"
#include "platform/text/number.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

namespace zrlss {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct TemplateArgs {
    std::string name;
    bool list = false, names = false, asJson = false, check = false;
    std::string fromJson, picture, render;
};

// The module's designer exports, by their mangled names.
struct DesignerApi {
    bool (*read)(Zrl_DlgDesignerData*, const Zrl_String&, bool) = nullptr;
    bool (*write)(Zrl_DlgDesignerData*, const Zrl_String&) = nullptr;
    int (*append)(Zrl_DlgDesignerData*, const Zrl_DesignerControl&) = nullptr;
    void (*sort)(Zrl_DlgDesignerData*) = nullptr;
    Zrl_String (*merged)(const Zrl_DesignerControl*) = nullptr;
    bool (*split)(Zrl_DesignerControl*, const Zrl_String&) = nullptr;
    void (*moduleImages)(Zrl_StringArray&) = nullptr;
    Zrl_String (*root)() = nullptr;

    static const DesignerApi& get() {
        static const DesignerApi api = [] {
            host::LoadedModule* m = spreadsheetModule();
            if (!m) throw Failure{"the module is not loaded"};
            DesignerApi a;
            bool ok = true;
            auto bind = [&](auto& fn, const char* symbol) {
                fn = m->function<std::remove_reference_t<decltype(fn)>>(symbol);
                ok = ok && fn != nullptr;
            };
            bind(a.read, "_ZN19Zrl_DlgDesignerData12readFromFileERK10Zrl_Stringb");
            bind(a.write, "_ZN19Zrl_DlgDesignerData11writeToFileERK10Zrl_String");
            bind(a.append, "_ZN19Zrl_DlgDesignerData6appendERK19Zrl_DesignerControl");
            bind(a.sort, "_ZN19Zrl_DlgDesignerData15sortAllControlsEv");
            bind(a.merged, "_ZNK19Zrl_DesignerControl21getMergedExtComboListEv");
            bind(a.split, "_ZN19Zrl_DesignerControl20setSplitExtComboListERK10Zrl_String");
            bind(a.moduleImages, "_Z15getModuleImagesR15Zrl_StringArray");
            bind(a.root, "_Z21getDesignerRootFolderv");
            if (!ok) throw Failure{"the module does not export the designer"};
            return a;
        }();
        return api;
    }
};

Zrl_String backslashes(Zrl_String path) {
    path.replaceSubString(L"/", L"\\", true);
    return path;
}

// The ".txt" path of NAME; refused outside the root folder.
Zrl_String templatePath(const std::string& name) {
    const Zrl_String root = DesignerApi::get().root();
    Zrl_String path;
    if (Zrl_String::fromUtf8(name).endsWith(L".txt", false)) {
        path = pathToText(fs::absolute(fs::path(name)).lexically_normal());
    } else {
        path = root + backslashes(Zrl_String::fromUtf8(name)) + L".txt";
    }
    if (!backslashes(path).startsWith(backslashes(root), false))
        throw Failure{"not under the designer folder " + root.toUtf8() + ": " + name};
    return path;
}

void readModel(Zrl_DlgDesignerData& model, const Zrl_String& path, bool withImage) {
    if (!fileExists(path)) throw Failure{"no such template: " + path.toUtf8()};
    if (!DesignerApi::get().read(&model, path, withImage))
        throw Failure{"unreadable template: " + path.toUtf8()};
}

std::string number(double v) {
    return Zrl_String(zrltext::fixedText(v, 6)).toUtf8();
}

int pixel(double factor, int size) {
    return static_cast<int>(ObjectExportRoundTo(factor * size, 1.0));
}

int printControls(Zrl_DlgDesignerData& model) {
    DesignerApi::get().sort(&model);
    const bool pixels = model.hasImage();
    for (int i = 0; i < model.getNrControls(); ++i) {
        const Zrl_DesignerControl& c = model.controls[i];
        std::cout << i << '\t' << static_cast<int>(c.type) << '\t';
        if (pixels) {
            std::cout << pixel(c.topLeftX, model.imageWidth) << ','
                      << pixel(c.topLeftY, model.imageHeight) << ','
                      << pixel(c.bottomRightX, model.imageWidth) << ','
                      << pixel(c.bottomRightY, model.imageHeight);
        } else {
            std::cout << number(c.topLeftX) << ',' << number(c.topLeftY) << ','
                      << number(c.bottomRightX) << ',' << number(c.bottomRightY);
        }
        std::cout << '\t' << c.tabOrder << '\t' << c.contents.toUtf8() << '\t'
                  << DesignerApi::get().merged(&c).toUtf8() << '\n';
    }
    return 0;
}

json modelJson(Zrl_DlgDesignerData& model) {
    json out;
    out["name"] = model.name.toUtf8();
    out["picture"] = model.hasImage()
                         ? json{{"width", model.imageWidth}, {"height", model.imageHeight}}
                         : json(nullptr);
    out["controls"] = json::array();
    for (const Zrl_DesignerControl& c : model.controls)
        out["controls"].push_back({{"type", static_cast<int>(c.type)},
                                   {"topLeftX", c.topLeftX},
                                   {"topLeftY", c.topLeftY},
                                   {"bottomRightX", c.bottomRightX},
                                   {"bottomRightY", c.bottomRightY},
                                   {"contents", c.contents.toUtf8()},
                                   {"list", DesignerApi::get().merged(&c).toUtf8()}});
    return out;
}

int fromJson(const TemplateArgs& args, const Zrl_String& path) {
    std::string bytes, error;
    if (!readFileBytes(fs::path(args.fromJson), bytes, &error)) throw Failure{"--from-json: " + error};
    json root;
    if (!RecordReader::parse(bytes, root, error)) throw Failure{"--from-json: " + error};
    if (!args.picture.empty()) {
        auto picture = win::Bitmap::load(fs::path(args.picture).wstring());
        if (!picture || picture->isNull())
            throw Failure{"--picture: not a readable picture: " + args.picture};
    }
    const DesignerApi& api = DesignerApi::get();
    Zrl_DlgDesignerData model;
    RecordReader r(root, error);
    auto control = [&](RecordReader& c) {
        Zrl_DesignerControl made;
        int type = 0;
        Zrl_String list;
        if (!c.object({"type", "topLeftX", "topLeftY", "bottomRightX", "bottomRightY",
                       "contents", "list"}) ||
            !c.integer("type", type) || !c.number("topLeftX", made.topLeftX) ||
            !c.number("topLeftY", made.topLeftY) ||
            !c.number("bottomRightX", made.bottomRightX) ||
            !c.number("bottomRightY", made.bottomRightY) ||
            !c.text("contents", made.contents) || !c.text("list", list))
            return false;
        if (model.getNrControls() >= kMaxTemplateControls)
            return c.refuse("more than " + std::to_string(kMaxTemplateControls) + " controls");
        made.type = static_cast<Zrl_ControlType>(type);
        api.split(&made, list);
        api.append(&model, made);
        return true;
    };
    Zrl_String ignoredName;
    if (!r.object({"name", "picture", "controls"}) || !r.text("name", ignoredName) ||
        !r.each("controls", control))
        throw Failure{"--from-json: " + error};
    if (!api.write(&model, path)) throw Failure{"cannot write " + path.toUtf8()};
    if (!args.picture.empty() &&
        !copyFile(pathToText(fs::absolute(args.picture)), changeExtension(path, L"bmp")))
        throw Failure{"--picture: cannot copy " + args.picture + " beside the template"};
    std::cout << "written: " << path.toUtf8() << " (" << model.getNrControls()
              << " controls)\n";
    return 0;
}

int check(const Zrl_String& path) {
    Zrl_PropertiesList list;
    const bool readable = fileExists(path) && list.readFromFile(path) == Acad::eOk;
    auto picture = win::Bitmap::load(resolvePath(changeExtension(path, L"bmp")).wstring());
    const auto problems = designer_check::templateProblems(
        readable ? &list : nullptr, picture && !picture->isNull(), kMaxTemplateControls);
    if (problems.empty()) {
        int count = 0;
        list.getProperty(L"nrOfControls", count);
        std::cout << "ok: " << count << " controls\n";
        return 0;
    }
    for (const std::string& p : problems)
        std::cout << p << "\n";
    return 1;
}

int render(Zrl_DlgDesignerData& model, const std::string& out) {
    if (!model.hasImage()) throw Failure{"--render: the template has no picture"};
    win::Bitmap canvas(model.imageWidth, model.imageHeight, win::rgb(240, 240, 240));
    for (int y = 0; y < model.imageHeight; ++y)
        for (int x = 0; x < model.imageWidth; ++x)
            if (model.mask.pixel(x, y).r == 0) canvas.setPixel(x, y, model.image.pixel(x, y));
    for (const Zrl_DesignerControl& c : model.controls) {
        const win::Rect r{pixel(c.topLeftX, model.imageWidth), pixel(c.topLeftY, model.imageHeight),
                          pixel(c.bottomRightX, model.imageWidth),
                          pixel(c.bottomRightY, model.imageHeight)};
        canvas.frameRect(r, win::rgb(0, 0, 255));
        CRectTracker(r, CRectTracker::solidLine | CRectTracker::resizeOutside)
            .DrawTrackerRect(canvas);
    }
    if (!canvas.save(fs::absolute(out).wstring())) throw Failure{"--render: cannot write " + out};
    return 0;
}

int runTemplate(const TemplateArgs& args) {
    const DesignerApi& api = DesignerApi::get();
    if (args.list) {
        Zrl_StringArray names;
        api.moduleImages(names);
        for (const Zrl_String& n : names)
            std::cout << n.toUtf8() << "\n";
        return 0;
    }
    if (args.name.empty()) throw Failure{"NAME is required (or --list)"};
    const Zrl_String path = templatePath(args.name);
    if (!args.fromJson.empty()) return fromJson(args, path);
    if (!args.picture.empty()) throw Failure{"--picture goes with --from-json"};
    if (args.check) return check(path);
    Zrl_DlgDesignerData model;
    readModel(model, path, true);
    if (!args.render.empty()) return render(model, args.render);
    if (args.asJson) {
        std::cout << modelJson(model).dump(2) << "\n";
        return 0;
    }
    if (args.names) {
        for (const Zrl_DesignerControl& c : model.controls)
            if (c.type == ctEdit) std::cout << c.contents.toUtf8() << "\n";
        return 0;
    }
    return printControls(model);
}

void setupTemplate(CommandLine& cli, const SharedOptions&) {
    auto args = std::make_shared<TemplateArgs>();
    cli.add("template", "List, check, convert and render the designed dialog templates")
        .option("NAME", args->name, "a template name or its .txt path")
        .flag("--list", args->list, "every template name")
        .flag("--names", args->names, "the named fields")
        .flag("--json", args->asJson, "the template as JSON")
        .option("--from-json", args->fromJson, "write the template from this JSON file")
        .option("--picture", args->picture, "with --from-json: the picture copied beside it")
        .flag("--check", args->check, "check the template")
        .option("--render", args->render, "draw the canvas into this .bmp file")
        .run([args] { return runTemplate(*args); });
}

const Registrar registrar(setupTemplate);

} // namespace

} // namespace zrlss

// The designer classes' constructors, destructors and assignments, which the
// command would otherwise get from linking the module.
#include "designer/designer_members.cpp"
