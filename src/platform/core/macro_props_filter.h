// The macro gallery: the macro drawings of the library ("*.dwg" under
// libDir() + "Macros\"), the filter that narrows them by module and module
// property, and the preview pictures drawn from their sketches.
//
// A drawing here is a JSON file (docs/macro-description.md, "Drawings"):
//   {"name": ..., "modules": [{"name": "EndPlate", "properties": ["Bolted"]}],
//    "sketch": [{"line": [x1, y1, x2, y2]}, {"rect": [x1, y1, x2, y2]},
//               {"circle": [cx, cy, r]}]}
// Sketch coordinates lie in a 100 x 75 box with y upwards. Other fields are
// ignored. A drawing that does not parse still counts: it has no modules, so
// every filter passes it, and its preview is the empty box.
#pragma once

#include "platform/core/zrl_array.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/win/bitmap.h"

#include <map>
#include <string>
#include <string_view>

// The modules of one drawing with their properties; empty when the file
// does not parse.
struct MacroDrawingModules {
    Zrl_StringArray modules;
    Zrl_Array<Zrl_StringArray> properties; // one list per module
};
MacroDrawingModules readMacroDrawingModules(const Zrl_String& path);
// The same from the drawing file's bytes.
MacroDrawingModules macroDrawingModules(std::string_view bytes);

// The drawing's sketch drawn into a width x height picture (sides clamped to
// 16..512), the box scaled to fit with its shape kept.
win::Bitmap drawMacroSketch(const Zrl_String& path, int width, int height);
win::Bitmap drawMacroSketchOf(std::string_view bytes, int width, int height);

// Makes the preview of each drawing: the path with `extension` (e.g. "abm"),
// drawn from the sketch when that file is missing or older than the drawing;
// each written atomically. Answers how many were written.
int CreatePreviewBMPs(int width, int height, const Zrl_StringArray& files,
                      const Zrl_String& extension);

class Zrl_MacroPropsFilter {
public:
    Zrl_MacroPropsFilter() = default;
    virtual ~Zrl_MacroPropsFilter() = default;

    // Thumbnail size given to initialize.
    int width = 96;
    int height = 72;

    // The drawings offered: `names` are paths under the Macros folder without
    // extension ("Base Plate", "Splices\Web"); a false flag leaves a name out
    // (a missing flag counts as true). No names: every drawing of the folder.
    // Every module and property starts on.
    void initialize(const Zrl_StringArray& names, const AcArray<bool>& flags, int width,
                    int height);
    // Full paths of the offered drawings, in name order.
    Zrl_StringArray getAllDwgFiles() const;
    // The drawings none of whose modules and module properties is off.
    Zrl_StringArray getFilteredMacros() const;
    void getFilteredMacros(Zrl_StringArray& list) const { list = getFilteredMacros(); }
    // One row per module of the offered drawings (first seen first): keys
    // (module, then its properties), display texts (translations, else the
    // key) and check states. False, outputs emptied, when there is no module.
    bool getMergedProperties(Zrl_Array<Zrl_StringArray>& keys, Zrl_Array<Zrl_StringArray>& texts,
                             Zrl_Array<AcArray<bool>>& states) const;
    void setModuleStatus(const Zrl_String& module, bool on);
    void setModulePropStatus(const Zrl_String& module, const Zrl_String& property, bool on);

private:
    struct Drawing {
        Zrl_String path;
        MacroDrawingModules modules;
    };
    bool passes(const Drawing& d) const;

    std::vector<Drawing> drawings_;
    // Switched-off modules, and properties as module + '\n' + property.
    std::map<std::wstring, bool> moduleOff_;
    std::map<std::wstring, bool> propOff_;
};
