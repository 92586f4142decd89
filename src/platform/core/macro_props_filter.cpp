#include "platform/core/macro_props_filter.h"

#include "platform/core/files.h"
#include "platform/core/macro_langs.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <numbers>

namespace {

using nlohmann::json;

constexpr double kBoxWidth = 100.0;
constexpr double kBoxHeight = 75.0;

std::optional<json> parseDrawing(std::string_view bytes) {
    json doc = json::parse(bytes, nullptr, false);
    if (doc.is_discarded() || !doc.is_object()) return std::nullopt;
    return doc;
}

std::string drawingBytes(const Zrl_String& path) {
    std::string bytes;
    readFileBytes(resolvePath(path), bytes);
    return bytes;
}

// The numbers of a sketch item, or an empty list when it has not `count`.
std::vector<double> numbersOf(const json& item, const char* key, size_t count) {
    auto it = item.find(key);
    if (it == item.end() || !it->is_array() || it->size() != count) return {};
    std::vector<double> out;
    for (const json& n : *it) {
        if (!n.is_number()) return {};
        out.push_back(n.get<double>());
    }
    return out;
}

// A point of the preview in pixels, before rounding.
struct PixelPoint {
    double x = 0;
    double y = 0;
    win::Point rounded() const {
        return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
    }
};

// Cuts the segment a-b to the picture and a pixel round it; false when none
// of it is there or a number is not finite. A segment inside is unchanged;
// one reaching far outside (a sketch's numbers are not bounded) costs no
// more to draw than the picture's pixels.
bool clipToPicture(PixelPoint& a, PixelPoint& b, int width, int height) {
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
        return false;
    const double dx = b.x - a.x, dy = b.y - a.y;
    if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
    // Liang-Barsky: the part t0..t1 of a + t (b - a) within the four sides.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x + 1, width - a.x, a.y + 1, height - a.y};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const PixelPoint from = a;
    if (t1 < 1) b = {from.x + t1 * dx, from.y + t1 * dy};
    if (t0 > 0) a = {from.x + t0 * dx, from.y + t0 * dy};
    return true;
}

std::wstring propKey(const Zrl_String& module, const Zrl_String& property) {
    return module.str() + L'\n' + property.str();
}

Zrl_String labelOf(const Zrl_String& key) {
    const Zrl_String translated = gMacroLangs.GetString(Zrl_String(), key);
    return translated.isEmpty() ? key : translated;
}

} // namespace

MacroDrawingModules readMacroDrawingModules(const Zrl_String& path) {
    return macroDrawingModules(drawingBytes(path));
}

MacroDrawingModules macroDrawingModules(std::string_view bytes) {
    MacroDrawingModules out;
    const auto doc = parseDrawing(bytes);
    if (!doc) return out;
    auto modules = doc->find("modules");
    if (modules == doc->end() || !modules->is_array()) return out;
    for (const json& m : *modules) {
        if (!m.is_object() || !m.contains("name") || !m["name"].is_string()) continue;
        Zrl_StringArray props;
        if (auto p = m.find("properties"); p != m.end() && p->is_array())
            for (const json& t : *p)
                if (t.is_string()) props.append(Zrl_String::fromUtf8(t.get<std::string>()));
        out.modules.append(Zrl_String::fromUtf8(m["name"].get<std::string>()));
        out.properties.append(props);
    }
    return out;
}

win::Bitmap drawMacroSketch(const Zrl_String& path, int width, int height) {
    return drawMacroSketchOf(drawingBytes(path), width, height);
}

win::Bitmap drawMacroSketchOf(std::string_view bytes, int width, int height) {
    width = std::clamp(width, 16, 512);
    height = std::clamp(height, 16, 512);
    win::Bitmap bmp(width, height, win::rgb(255, 255, 255));
    const auto doc = parseDrawing(bytes);
    auto sketch = doc ? doc->find("sketch") : json::const_iterator();
    if (!doc || sketch == doc->end() || !sketch->is_array()) return bmp;
    // The box scaled into the picture with its shape kept, centred.
    const double scale = std::min((width - 3) / kBoxWidth, (height - 3) / kBoxHeight);
    const double ox = (width - kBoxWidth * scale) / 2;
    const double oy = (height - kBoxHeight * scale) / 2;
    auto at = [&](double x, double y) {
        return PixelPoint{ox + x * scale, oy + (kBoxHeight - y) * scale};
    };
    const win::Rgba ink = win::rgb(0, 0, 128);
    auto stroke = [&](PixelPoint a, PixelPoint b) {
        if (!clipToPicture(a, b, width, height)) return;
        bmp.line(a.rounded(), b.rounded(), ink);
    };
    for (const json& item : *sketch) {
        if (!item.is_object()) continue;
        if (auto l = numbersOf(item, "line", 4); !l.empty()) {
            stroke(at(l[0], l[1]), at(l[2], l[3]));
        } else if (auto r = numbersOf(item, "rect", 4); !r.empty()) {
            const PixelPoint a = at(r[0], r[1]), b = at(r[2], r[3]);
            stroke(a, {b.x, a.y});
            stroke({b.x, a.y}, b);
            stroke(b, {a.x, b.y});
            stroke({a.x, b.y}, a);
        } else if (auto c = numbersOf(item, "circle", 3); !c.empty()) {
            constexpr int kSteps = 48;
            for (int i = 0; i < kSteps; ++i) {
                const double a0 = 2 * std::numbers::pi * i / kSteps,
                             a1 = 2 * std::numbers::pi * (i + 1) / kSteps;
                stroke(at(c[0] + c[2] * std::cos(a0), c[1] + c[2] * std::sin(a0)),
                       at(c[0] + c[2] * std::cos(a1), c[1] + c[2] * std::sin(a1)));
            }
        }
    }
    return bmp;
}

int CreatePreviewBMPs(int width, int height, const Zrl_StringArray& files,
                      const Zrl_String& extension) {
    int made = 0;
    for (const Zrl_String& file : files) {
        const auto source = resolvePath(file);
        const auto target = resolvePath(changeExtension(file, extension));
        std::error_code e1, e2;
        const auto sourceTime = std::filesystem::last_write_time(source, e1);
        const auto targetTime = std::filesystem::last_write_time(target, e2);
        if (!e2 && (e1 || targetTime >= sourceTime)) continue;
        if (drawMacroSketch(file, width, height).save(target.wstring())) ++made;
    }
    return made;
}

void Zrl_MacroPropsFilter::initialize(const Zrl_StringArray& names, const AcArray<bool>& flags,
                                      int w, int h) {
    width = w;
    height = h;
    drawings_.clear();
    moduleOff_.clear();
    propOff_.clear();
    const Zrl_String folder = Zrl_Settings::libDir() + L"Macros\\";
    std::vector<Zrl_String> paths;
    if (names.isEmpty()) {
        std::error_code ec;
        const auto root = resolvePath(folder);
        for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (!it->is_regular_file(ec) || it->path().extension() != ".dwg") continue;
            const auto relative = it->path().lexically_relative(root);
            Zrl_String name = pathToText(relative);
            std::replace(name.str().begin(), name.str().end(), L'/', L'\\');
            paths.push_back(folder + name);
        }
    } else {
        for (int i = 0; i < names.length(); ++i)
            if (i >= flags.length() || flags[i]) paths.push_back(folder + names[i] + L".dwg");
    }
    std::sort(paths.begin(), paths.end(),
              [](const Zrl_String& a, const Zrl_String& b) { return a.str() < b.str(); });
    for (const Zrl_String& p : paths)
        if (fileExists(p)) drawings_.push_back({p, readMacroDrawingModules(p)});
}

Zrl_StringArray Zrl_MacroPropsFilter::getAllDwgFiles() const {
    Zrl_StringArray out;
    for (const Drawing& d : drawings_)
        out.append(d.path);
    return out;
}

bool Zrl_MacroPropsFilter::passes(const Drawing& d) const {
    for (int m = 0; m < d.modules.modules.length(); ++m) {
        const Zrl_String& module = d.modules.modules[m];
        if (moduleOff_.count(module.str())) return false;
        for (const Zrl_String& p : d.modules.properties[m])
            if (propOff_.count(propKey(module, p))) return false;
    }
    return true;
}

Zrl_StringArray Zrl_MacroPropsFilter::getFilteredMacros() const {
    Zrl_StringArray out;
    for (const Drawing& d : drawings_)
        if (passes(d)) out.append(d.path);
    return out;
}

bool Zrl_MacroPropsFilter::getMergedProperties(Zrl_Array<Zrl_StringArray>& keys,
                                               Zrl_Array<Zrl_StringArray>& texts,
                                               Zrl_Array<AcArray<bool>>& states) const {
    keys.setLogicalLength(0);
    texts.setLogicalLength(0);
    states.setLogicalLength(0);
    std::map<std::wstring, int> rowOf;
    for (const Drawing& d : drawings_) {
        for (int m = 0; m < d.modules.modules.length(); ++m) {
            const Zrl_String& module = d.modules.modules[m];
            auto [it, added] = rowOf.emplace(module.str(), keys.length());
            if (added) {
                keys.append(Zrl_StringArray());
                keys.last().append(module);
            }
            Zrl_StringArray& row = keys[it->second];
            for (const Zrl_String& p : d.modules.properties[m]) {
                int at = -1;
                if (!row.find(p, at, true, 1)) row.append(p);
            }
        }
    }
    for (const Zrl_StringArray& row : keys) {
        Zrl_StringArray labels;
        AcArray<bool> on;
        for (int i = 0; i < row.length(); ++i) {
            labels.append(labelOf(row[i]));
            on.append(i == 0 ? !moduleOff_.count(row[0].str())
                             : !propOff_.count(propKey(row[0], row[i])));
        }
        texts.append(labels);
        states.append(on);
    }
    return !keys.isEmpty();
}

void Zrl_MacroPropsFilter::setModuleStatus(const Zrl_String& module, bool on) {
    if (on)
        moduleOff_.erase(module.str());
    else
        moduleOff_[module.str()] = true;
}

void Zrl_MacroPropsFilter::setModulePropStatus(const Zrl_String& module, const Zrl_String& property,
                                               bool on) {
    if (on)
        propOff_.erase(propKey(module, property));
    else
        propOff_[propKey(module, property)] = true;
}
