// The registry kept in a JSON file.
//
// File layout: one object per root ("HKEY_CLASSES_ROOT", ...); each key is
// an object with "values" (name -> string, "" for the default value) and
// "keys" (name -> key), both in the order created.
#include "platform/win/registry.h"

#include "platform/text/fold.h"
#include "platform/text/utf.h"
#include "platform/win/detail_files.h"
#include "platform/win/detail_registry.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>

namespace win {

namespace {

using Json = nlohmann::ordered_json;

using Key = detail::RegKey;

constexpr std::array<const char*, 3> kRootNames = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",
                                                   "HKEY_LOCAL_MACHINE"};

struct Store {
    std::wstring overridePath;
    std::string loadedPath; // the file the roots came from
    bool loaded = false;
    bool unreadable = false;
    std::wstring error;
    std::array<Key, 3> roots;
};

Store& store() {
    static Store* const s = new Store;
    return *s;
}

std::string resolvePath() {
    const Store& s = store();
    if (!s.overridePath.empty()) return zrltext::toUtf8(s.overridePath);
    if (const char* env = std::getenv("ZRLSS_REGISTRY"); env && *env) return env;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::string(xdg) + "/zrlss/registry.json";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/zrlss/registry.json";
    return "zrlss-registry.json";
}

// Names within a key are distinct, so members are appended without the
// ordered object's search for an existing name (a key with thousands of
// subkeys would cost a search per subkey).
Json toJson(const Key& key) {
    Json values = Json::object();
    auto& valueMembers = values.get_ref<Json::object_t&>();
    valueMembers.reserve(key.values.size());
    for (const auto& [name, value] : key.values)
        valueMembers.emplace_back(zrltext::toUtf8(name), zrltext::toUtf8(value));
    Json keys = Json::object();
    auto& keyMembers = keys.get_ref<Json::object_t&>();
    keyMembers.reserve(key.keys.size());
    for (const auto& k : key.keys)
        keyMembers.emplace_back(zrltext::toUtf8(k.name), toJson(k));
    Json out = Json::object();
    auto& members = out.get_ref<Json::object_t&>();
    members.emplace_back("values", std::move(values));
    members.emplace_back("keys", std::move(keys));
    return out;
}

// Throws on a malformed file; the caller turns that into a status.
Key fromJson(const std::wstring& name, const Json& j) {
    Key key;
    key.name = name;
    if (!j.is_object()) throw std::runtime_error("a key is not an object");
    if (auto v = j.find("values"); v != j.end()) {
        if (!v->is_object()) throw std::runtime_error("\"values\" is not an object");
        for (auto it = v->begin(); it != v->end(); ++it) {
            if (!it.value().is_string()) throw std::runtime_error("a value is not a string");
            key.values.emplace_back(zrltext::fromUtf8(it.key()),
                                    zrltext::fromUtf8(it.value().get<std::string>()));
        }
    }
    if (auto k = j.find("keys"); k != j.end()) {
        if (!k->is_object()) throw std::runtime_error("\"keys\" is not an object");
        for (auto it = k->begin(); it != k->end(); ++it)
            key.keys.push_back(fromJson(zrltext::fromUtf8(it.key()), it.value()));
    }
    return key;
}

bool load() {
    Store& s = store();
    s.loaded = true;
    s.unreadable = false;
    s.error.clear();
    s.loadedPath = resolvePath();
    s.roots = {};
    std::error_code ec;
    if (!std::filesystem::exists(s.loadedPath, ec)) return true;
    auto bytes = detail::readFile(s.loadedPath);
    try {
        if (!bytes) throw std::runtime_error("cannot be read");
        const Json j = Json::parse(bytes->begin(), bytes->end());
        if (!j.is_object()) throw std::runtime_error("not a JSON object");
        std::array<Key, 3> roots;
        for (size_t i = 0; i < kRootNames.size(); ++i)
            if (auto r = j.find(kRootNames[i]); r != j.end()) roots[i] = fromJson(L"", *r);
        s.roots = std::move(roots);
        return true;
    } catch (const std::exception& e) {
        s.unreadable = true;
        s.error = zrltext::fromUtf8("registry file " + s.loadedPath + ": " + e.what());
        return false;
    }
}

Store& ready() {
    Store& s = store();
    if (!s.loaded || s.loadedPath != resolvePath()) load();
    return s;
}

Key& rootKey(RegistryRoot root) {
    return ready().roots[static_cast<size_t>(root)];
}

Key* findKey(RegistryRoot root, const std::wstring& path) {
    return const_cast<Key*>(detail::findRegKey(rootKey(root), path));
}

bool save() {
    Store& s = store();
    Json j = Json::object();
    for (size_t i = 0; i < kRootNames.size(); ++i)
        j[kRootNames[i]] = toJson(s.roots[i]);
    const std::string text = j.dump(2) + "\n";
    std::error_code ec;
    const std::filesystem::path parent = std::filesystem::path(s.loadedPath).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    std::string why;
    if (!detail::writeFileAtomic(s.loadedPath, std::vector<std::uint8_t>(text.begin(), text.end()),
                                 &why)) {
        s.error = zrltext::fromUtf8(why);
        return false;
    }
    s.error.clear();
    return true;
}

// Runs a change on the roots and writes the file; when writing fails the
// roots are put back as they were.
template <class Change> bool modify(Change&& change) {
    Store& s = ready();
    if (s.unreadable) return false;
    const std::array<Key, 3> before = s.roots;
    if (!change(s.roots)) return false;
    if (save()) return true;
    s.roots = before;
    return false;
}

} // namespace

bool regCreateKey(RegistryRoot root, const std::wstring& path) {
    if (findKey(root, path)) return true;
    return modify([&](std::array<Key, 3>& roots) {
        detail::makeRegKey(roots[static_cast<size_t>(root)], path);
        return true;
    });
}

bool regKeyExists(RegistryRoot root, const std::wstring& path) {
    return findKey(root, path) != nullptr;
}

bool regSetString(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                  const std::wstring& value) {
    return modify([&](std::array<Key, 3>& roots) {
        detail::setRegValue(*detail::makeRegKey(roots[static_cast<size_t>(root)], path), name,
                            value);
        return true;
    });
}

std::optional<std::wstring> regGetString(RegistryRoot root, const std::wstring& path,
                                         const std::wstring& name) {
    const Key* key = findKey(root, path);
    if (!key) return std::nullopt;
    for (const auto& [n, v] : key->values)
        if (zrltext::equalNoCase(n, name)) return v;
    return std::nullopt;
}

bool regDeleteValue(RegistryRoot root, const std::wstring& path, const std::wstring& name) {
    return modify([&](std::array<Key, 3>& roots) {
        Key* key = &roots[static_cast<size_t>(root)];
        for (const auto& part : detail::splitRegPath(path))
            if (!(key = key->sub(part))) return false;
        for (auto it = key->values.begin(); it != key->values.end(); ++it)
            if (zrltext::equalNoCase(it->first, name)) {
                key->values.erase(it);
                return true;
            }
        return false;
    });
}

bool regDeleteTree(RegistryRoot root, const std::wstring& path) {
    const std::vector<std::wstring> parts = detail::splitRegPath(path);
    if (parts.empty()) return false;
    return modify([&](std::array<Key, 3>& roots) {
        return detail::eraseRegTree(roots[static_cast<size_t>(root)], parts);
    });
}

std::vector<std::wstring> regSubKeys(RegistryRoot root, const std::wstring& path) {
    std::vector<std::wstring> out;
    if (const Key* key = findKey(root, path))
        for (const auto& k : key->keys)
            out.push_back(k.name);
    return out;
}

std::vector<std::wstring> regValueNames(RegistryRoot root, const std::wstring& path) {
    std::vector<std::wstring> out;
    if (const Key* key = findKey(root, path))
        for (const auto& [n, v] : key->values)
            out.push_back(n);
    return out;
}

void setRegistryPath(const std::wstring& path) {
    store().overridePath = path;
    store().loaded = false;
}

std::wstring registryPath() {
    return zrltext::fromUtf8(resolvePath());
}

bool reloadRegistry() {
    return load();
}

std::wstring registryError() {
    return ready().error;
}

namespace detail {

RegKey* RegKey::sub(const std::wstring& n) {
    for (auto& k : keys)
        if (zrltext::equalNoCase(k.name, n)) return &k;
    return nullptr;
}

const RegKey* RegKey::sub(const std::wstring& n) const {
    return const_cast<RegKey*>(this)->sub(n);
}

const char* regRootName(RegistryRoot root) {
    return kRootNames[static_cast<size_t>(root)];
}

std::vector<std::wstring> splitRegPath(const std::wstring& path) {
    std::vector<std::wstring> parts;
    std::wstring part;
    for (wchar_t ch : path) {
        if (ch == L'\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += ch;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

const RegKey* findRegKey(const RegKey& from, const std::wstring& path) {
    const RegKey* key = &from;
    for (const auto& part : splitRegPath(path)) {
        key = key->sub(part);
        if (!key) return nullptr;
    }
    return key;
}

RegKey* makeRegKey(RegKey& from, const std::wstring& path) {
    RegKey* key = &from;
    for (const auto& part : splitRegPath(path)) {
        RegKey* next = key->sub(part);
        if (!next) {
            key->keys.push_back(RegKey{part, {}, {}});
            next = &key->keys.back();
        }
        key = next;
    }
    return key;
}

bool eraseRegTree(RegKey& from, const std::vector<std::wstring>& parts) {
    if (parts.empty()) return false;
    RegKey* parent = &from;
    for (size_t i = 0; i + 1 < parts.size(); ++i)
        if (!(parent = parent->sub(parts[i]))) return false;
    for (auto it = parent->keys.begin(); it != parent->keys.end(); ++it)
        if (zrltext::equalNoCase(it->name, parts.back())) {
            parent->keys.erase(it);
            return true;
        }
    return false;
}

bool setRegValue(RegKey& key, const std::wstring& name, const std::wstring& value) {
    for (auto& [n, v] : key.values)
        if (zrltext::equalNoCase(n, name)) {
            if (v == value) return false;
            v = value;
            return true;
        }
    key.values.emplace_back(name, value);
    return true;
}

RegRoots* registryRoots() {
    Store& s = ready();
    return s.unreadable ? nullptr : &s.roots;
}

bool saveRegistry() {
    return save();
}

} // namespace detail

} // namespace win
