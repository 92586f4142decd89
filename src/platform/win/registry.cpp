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

#include <algorithm>
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

// The file's text is written straight from the keys, exactly as the JSON
// library prints the ordered tree with an indent of 2 (the layout existing
// files have), without building that tree first.
void appendString(std::string& out, const std::string& text) {
    // Printable ASCII without quote or backslash goes as it is; anything
    // else is escaped by the library itself.
    const bool plain = std::all_of(text.begin(), text.end(), [](char ch) {
        return ch >= 0x20 && ch < 0x7F && ch != '"' && ch != '\\';
    });
    if (!plain) {
        out += Json(text).dump();
        return;
    }
    out += '"';
    out += text;
    out += '"';
}

void appendIndent(std::string& out, int indent) {
    out.append(static_cast<size_t>(indent), ' ');
}

// An object's members, each written by `member(out, i, indent)` after its
// name; "{}" when there are none.
template <class Name, class Member>
void appendObject(std::string& out, size_t count, int indent, Name&& name, Member&& member) {
    if (count == 0) {
        out += "{}";
        return;
    }
    out += "{\n";
    for (size_t i = 0; i < count; ++i) {
        appendIndent(out, indent + 2);
        appendString(out, name(i));
        out += ": ";
        member(i, indent + 2);
        out += i + 1 < count ? ",\n" : "\n";
    }
    appendIndent(out, indent);
    out += '}';
}

void appendKey(std::string& out, const Key& key, int indent) {
    static const std::string kParts[] = {"values", "keys"};
    appendObject(
        out, 2, indent, [](size_t i) -> const std::string& { return kParts[i]; },
        [&](size_t part, int in) {
            if (part == 0)
                appendObject(
                    out, key.values.size(), in,
                    [&](size_t i) { return zrltext::toUtf8(key.values[i].first); },
                    [&](size_t i, int) { appendString(out, zrltext::toUtf8(key.values[i].second)); });
            else
                appendObject(
                    out, key.keys.size(), in,
                    [&](size_t i) { return zrltext::toUtf8(key.keys[i].name); },
                    [&](size_t i, int inner) { appendKey(out, key.keys[i], inner); });
        });
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
        for (auto it = k->begin(); it != k->end(); ++it) {
            const std::wstring name = zrltext::fromUtf8(it.key());
            key.addSub(name) = fromJson(name, it.value());
        }
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
    std::string text;
    appendObject(
        text, kRootNames.size(), 0, [](size_t i) { return std::string(kRootNames[i]); },
        [&](size_t i, int indent) { appendKey(text, s.roots[i], indent); });
    text += '\n';
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

namespace {

// Below this many subkeys a look-up compares names one by one.
constexpr std::size_t kIndexedFrom = 16;

std::wstring folded(const std::wstring& name) {
    std::wstring out(name);
    for (wchar_t& ch : out)
        ch = zrltext::foldCase(ch);
    return out;
}

} // namespace

void RegKey::makeIndex() const {
    index_.clear();
    index_.reserve(keys.size());
    // The first of two names that differ only in case wins, as in a scan.
    twice_ = false;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (!index_.emplace(folded(keys[i].name), i).second) twice_ = true;
    indexed_ = true;
}

RegKey* RegKey::sub(const std::wstring& n) {
    if (keys.size() < kIndexedFrom) {
        for (auto& k : keys)
            if (zrltext::equalNoCase(k.name, n)) return &k;
        return nullptr;
    }
    if (!indexed_) makeIndex();
    const auto it = index_.find(folded(n));
    return it == index_.end() ? nullptr : &keys[it->second];
}

RegKey& RegKey::addSub(const std::wstring& n) {
    keys.push_back(RegKey{});
    keys.back().name = n;
    if (indexed_) index_.emplace(folded(n), keys.size() - 1);
    return keys.back();
}

void RegKey::eraseSub(std::size_t at) {
    if (indexed_ && twice_) {
        // Another key of the same name may come forward: made again on next use.
        index_.clear();
        indexed_ = false;
    } else if (indexed_) {
        index_.erase(folded(keys[at].name));
        for (auto& [name, position] : index_)
            if (position > at) --position;
    }
    keys.erase(keys.begin() + static_cast<std::ptrdiff_t>(at));
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
        if (!next) next = &key->addSub(part);
        key = next;
    }
    return key;
}

bool eraseRegTree(RegKey& from, const std::vector<std::wstring>& parts) {
    if (parts.empty()) return false;
    RegKey* parent = &from;
    for (size_t i = 0; i + 1 < parts.size(); ++i)
        if (!(parent = parent->sub(parts[i]))) return false;
    const RegKey* gone = parent->sub(parts.back());
    if (!gone) return false;
    parent->eraseSub(static_cast<std::size_t>(gone - parent->keys.data()));
    return true;
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
