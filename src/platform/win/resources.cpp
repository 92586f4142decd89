// Modules and their resources.
#include "platform/win/resources.h"

#include "platform/text/fold.h"
#include "platform/win/bitmap.h"

#include <memory>

namespace win {

namespace {

struct Module {
    std::wstring name;
    std::vector<std::unique_ptr<DialogTemplate>> templates;
    std::vector<std::pair<ResourceId, Bitmap>> bitmaps;
};

struct Resources {
    std::vector<Module> modules; // handle = index + 1
    ModuleHandle current = ModuleHandle::None;
};

Resources& resources() {
    static Resources* const r = [] {
        auto* res = new Resources;
        res->modules.push_back(Module{L"host", {}, {}});
        res->current = static_cast<ModuleHandle>(1);
        return res;
    }();
    return *r;
}

Module* moduleOf(ModuleHandle handle) {
    auto& mods = resources().modules;
    const auto index = static_cast<std::uintptr_t>(handle);
    if (index == 0 || index > mods.size()) return nullptr;
    return &mods[index - 1];
}

// The current module first, then the others in the order registered.
template <class Fn> auto searchModules(Fn&& fn) -> decltype(fn(std::declval<Module&>())) {
    auto& res = resources();
    if (Module* cur = moduleOf(res.current))
        if (auto found = fn(*cur)) return found;
    for (auto& m : res.modules) {
        if (&m == moduleOf(res.current)) continue;
        if (auto found = fn(m)) return found;
    }
    return {};
}

} // namespace

ModuleHandle registerModule(const std::wstring& name) {
    if (ModuleHandle found = findModule(name); found != ModuleHandle::None) return found;
    auto& mods = resources().modules;
    mods.push_back(Module{name, {}, {}});
    return static_cast<ModuleHandle>(mods.size());
}

ModuleHandle findModule(const std::wstring& name) {
    auto& mods = resources().modules;
    for (size_t i = 0; i < mods.size(); ++i)
        if (zrltext::equalNoCase(mods[i].name, name)) return static_cast<ModuleHandle>(i + 1);
    return ModuleHandle::None;
}

ModuleHandle hostModule() {
    return findModule(L"host");
}

std::wstring moduleName(ModuleHandle module) {
    const Module* m = moduleOf(module);
    return m ? m->name : std::wstring();
}

bool setResourceModule(ModuleHandle module) {
    if (!moduleOf(module)) return false;
    resources().current = module;
    return true;
}

ModuleHandle currentResourceModule() {
    return resources().current;
}

ResourceModuleGuard::ResourceModuleGuard(ModuleHandle module) : previous_(currentResourceModule()) {
    setResourceModule(module);
}

ResourceModuleGuard::~ResourceModuleGuard() {
    setResourceModule(previous_);
}

bool registerTemplate(ModuleHandle module, DialogTemplate tmpl) {
    Module* m = moduleOf(module);
    if (!m) return false;
    for (auto& existing : m->templates)
        if (existing->id == tmpl.id) {
            existing = std::make_unique<DialogTemplate>(std::move(tmpl));
            return true;
        }
    m->templates.push_back(std::make_unique<DialogTemplate>(std::move(tmpl)));
    return true;
}

bool registerBitmapResource(ModuleHandle module, const ResourceId& id,
                            const std::vector<std::uint8_t>& bmpBytes) {
    if (!moduleOf(module)) return false;
    auto bitmap = Bitmap::fromBytes(bmpBytes);
    return bitmap && registerBitmapResource(module, id, *bitmap);
}

bool registerBitmapResource(ModuleHandle module, const ResourceId& id, const Bitmap& bitmap) {
    Module* m = moduleOf(module);
    if (!m || bitmap.isNull()) return false;
    for (auto& entry : m->bitmaps)
        if (entry.first == id) {
            entry.second = bitmap;
            return true;
        }
    m->bitmaps.emplace_back(id, bitmap);
    return true;
}

const DialogTemplate* findTemplate(ModuleHandle module, const ResourceId& id) {
    const Module* m = moduleOf(module);
    if (!m) return nullptr;
    for (const auto& t : m->templates)
        if (t->id == id) return t.get();
    return nullptr;
}

const DialogTemplate* findTemplate(const ResourceId& id) {
    return searchModules([&](Module& m) -> const DialogTemplate* {
        for (const auto& t : m.templates)
            if (t->id == id) return t.get();
        return nullptr;
    });
}

std::optional<Bitmap> findBitmapResource(const ResourceId& id) {
    return searchModules([&](Module& m) -> std::optional<Bitmap> {
        for (const auto& entry : m.bitmaps)
            if (entry.first == id) return entry.second;
        return std::nullopt;
    });
}

} // namespace win
