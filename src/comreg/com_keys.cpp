#include "comreg/com_keys.h"

#include "comreg/com_ids.h"
#include "platform/text/fold.h"

#include <algorithm>
#include <array>
#include <optional>

namespace comreg {

namespace {

// Subkeys written in each kind of tree. "Typelib" under a class and
// "TypeLib" under an interface are both the spellings the server's clients
// expect; the registry finds either without case.
constexpr std::wstring_view kLibWin32Neutral = L"1.1\\0\\win32";
constexpr std::wstring_view kLibWin32English = L"1.1\\9\\win32";
constexpr std::wstring_view kClassServer = L"InProcServer32";
constexpr std::wstring_view kClassLib = L"Typelib";
constexpr std::wstring_view kInterfaceLib = L"TypeLib";
constexpr std::wstring_view kInterfaceProxy = L"ProxyStubClsid32";

struct TreeKind {
    std::wstring_view root;
    std::array<std::wstring_view, 4> subkeys; // "" is the tree's own key
};

constexpr std::array<TreeKind, 3> kTreeKinds = {{
    {kTypeLibRoot, {L"", kTypeLib.version, kLibWin32Neutral, kLibWin32English}},
    {kClassRoot, {L"", kClassServer, kClassLib, L""}},
    {kInterfaceRoot, {L"", kInterfaceLib, kInterfaceProxy, L""}},
}};

std::wstring subkeyPath(const std::wstring& tree, std::wstring_view subkey) {
    return subkey.empty() ? tree : tree + L"\\" + std::wstring(subkey);
}

std::wstring libVersionKey(const std::wstring& tree) {
    return subkeyPath(tree, kTypeLib.version);
}

bool isIdentifierOf(std::wstring_view root, const win::Guid& id) {
    if (root == kTypeLibRoot) return id == kTypeLib.id;
    return std::any_of(kClasses.begin(), kClasses.end(), [&](const ComClass& c) {
        return root == kClassRoot ? c.clsid == id : c.hasInterface() && c.iid == id;
    });
}

} // namespace

std::vector<ComEntry> registrationEntries(const std::wstring& serverPath) {
    const std::wstring libText = kTypeLib.id.toText();
    const std::wstring libTree = treePath(kTypeLibRoot, kTypeLib.id);
    std::vector<ComEntry> entries = {
        {libVersionKey(libTree), std::wstring(kTypeLib.name)},
        {subkeyPath(libTree, kLibWin32Neutral), serverPath},
        {subkeyPath(libTree, kLibWin32English), serverPath},
    };
    for (const ComClass& c : kClasses) {
        const std::wstring tree = treePath(kClassRoot, c.clsid);
        entries.push_back({tree, std::wstring(c.name) + L" Class"});
        entries.push_back({subkeyPath(tree, kClassServer), serverPath});
        entries.push_back({subkeyPath(tree, kClassLib), libText});
    }
    const std::wstring proxyText = kProxyStubClsid.toText();
    for (const ComClass& c : kClasses) {
        if (!c.hasInterface()) continue;
        const std::wstring tree = treePath(kInterfaceRoot, c.iid);
        entries.push_back({tree, std::wstring(c.interfaceName) + L" Interface"});
        entries.push_back({subkeyPath(tree, kInterfaceLib), libText});
        entries.push_back({subkeyPath(tree, kInterfaceProxy), proxyText});
    }
    return entries;
}

bool isProductKeyPath(std::wstring_view path) {
    // Root, identifier, and the rest as the subkey path.
    const size_t rootEnd = path.find(L'\\');
    if (rootEnd == std::wstring_view::npos) return false;
    const std::wstring_view root = path.substr(0, rootEnd);
    const std::wstring_view rest = path.substr(rootEnd + 1);
    const size_t idEnd = rest.find(L'\\');
    const std::optional<win::Guid> id = win::Guid::fromText(rest.substr(0, idEnd));
    if (!id) return false;
    const std::wstring_view subkey =
        idEnd == std::wstring_view::npos ? std::wstring_view() : rest.substr(idEnd + 1);
    if (idEnd != std::wstring_view::npos && subkey.empty()) return false; // a trailing "\"
    for (const TreeKind& kind : kTreeKinds) {
        if (!zrltext::equalNoCase(root, kind.root) || !isIdentifierOf(kind.root, *id)) continue;
        return std::any_of(kind.subkeys.begin(), kind.subkeys.end(),
                           [&](std::wstring_view s) { return zrltext::equalNoCase(subkey, s); });
    }
    return false;
}

} // namespace comreg
