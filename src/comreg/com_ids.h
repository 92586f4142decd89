// The identifiers of the product's automation server (the sibling module
// "zrlreg.arx"): its type library, its classes and their interfaces, held
// as identifier values. Registration, clean-up, the printout and the
// identifiers file are all made from this one table.
//
// The table lives in a header so that the zrlss command, which loads the
// module but links none of its code, names the same keys when it shows them.
#pragma once

#include "platform/win/guid.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace comreg {

struct ComTypeLib {
    win::Guid id;
    std::wstring_view version;
    std::wstring_view name;
};

// A class of the server with its interface; classes without one have an
// empty interface name.
struct ComClass {
    std::wstring_view name;
    win::Guid clsid;
    std::wstring_view interfaceName;
    win::Guid iid;

    constexpr bool hasInterface() const { return !interfaceName.empty(); }
};

inline constexpr ComTypeLib kTypeLib{win::guid(L"{37A8F89F-36E5-412F-920B-E4067D7F3340}"), L"1.1",
                                     L"Vendrik 1.0 Type Library"};

// In registration order; the interfaces are registered in the order of their
// classes.
inline constexpr std::array<ComClass, 19> kClasses = {{
    {L"Bolt", win::guid(L"{0AB0B67A-609D-4B28-8D58-FA9C0CCFDC84}"), L"IBolt",
     win::guid(L"{A2E4718E-902B-408A-B34A-F3E70652C391}")},
    {L"Prof", win::guid(L"{CF5F7226-9444-4946-B595-32EBA4C5451B}"), L"IProf",
     win::guid(L"{BA766C60-FC14-4620-A92D-A3E25299698C}")},
    {L"Struct", win::guid(L"{A63C4227-3A78-49FC-A900-87DED1F015D5}"), L"IStruct",
     win::guid(L"{2EB7AB41-3BAC-4E21-AB5E-ABECD6430CED}")},
    {L"Plate", win::guid(L"{E1A36B4C-F9E7-4EC3-8ECA-41F4FE4B07F8}"), L"IPlate",
     win::guid(L"{C0BB7AA1-A8FF-42BA-920F-E4FA1C6214BF}")},
    {L"DynProp", win::guid(L"{C03EC599-5541-4990-92B6-EAB85873E72F}"), {}, {}},
    {L"FuncPage", win::guid(L"{797FCDC0-D4B8-4912-88CA-B4CA2F567E75}"), {}, {}},
    {L"FuncPage2", win::guid(L"{3F71C719-4B86-4E43-9DD2-2B309737B393}"), {}, {}},
    {L"FuncPage3", win::guid(L"{AC796287-CC57-419F-B720-F5D3DC9B5876}"), {}, {}},
    {L"ZoomPage", win::guid(L"{2F827D0E-D5D6-40AA-840D-50B000D4D162}"), {}, {}},
    {L"Macro", win::guid(L"{E1241D6F-F868-4EAA-94E4-4E54DC52C254}"), L"IMacro",
     win::guid(L"{A0E17CBB-F232-4462-A676-0F8F22636CC8}")},
    {L"Array", win::guid(L"{83C3570E-2301-4AF5-9705-98052D334CF3}"), L"IArray",
     win::guid(L"{4D1D360E-93D6-4664-98BE-22B6AED23D3C}")},
    {L"Coordsys", win::guid(L"{A9AD7B5D-D089-4A8B-B45E-959F68886849}"), L"ICoordsys",
     win::guid(L"{EF773D67-7F0A-43D2-AFB2-5F4A3BEE0E3B}")},
    {L"Pattern", win::guid(L"{7AA6FEA9-4444-4D51-8EE1-8BFE87E26953}"), L"IPattern",
     win::guid(L"{8FCDB455-B81B-4857-A344-284113D03E7E}")},
    {L"Helix", win::guid(L"{BB5CD4D1-5F92-463F-90BE-584759800AAC}"), L"IHelix",
     win::guid(L"{2A7A7102-7ADA-4E4D-9412-3F500EE8F3F1}")},
    {L"PerInstanceFactory", win::guid(L"{FF225E56-9286-4AFE-A84D-7AF9F98E9180}"),
     L"IPerInstanceFactory", win::guid(L"{0E1A0F80-D1A1-4D47-956C-ECED5D90C3BE}")},
    {L"PerInstanceProperty", win::guid(L"{E4FF67B5-DF7D-48F4-8F43-28827E504F50}"),
     L"IPerInstanceProperty", win::guid(L"{DBB538EA-8407-42CE-A5E1-089EDBA41E61}")},
    {L"BoltPerInstanceProperty", win::guid(L"{F907E8BE-43BF-4F1B-ADA1-3EDC47F06F00}"),
     L"IBoltPerInstanceProperty", win::guid(L"{516DADB9-57B1-4211-BD8A-F8724E5F1712}")},
    {L"BodyPerInstanceProperty", win::guid(L"{BF570B61-BB52-4EA8-B96E-3ACDBEADCFF8}"),
     L"IBodyPerInstanceProperty", win::guid(L"{AC36FDF4-262A-4449-9602-41054F902671}")},
    {L"OPMBody", win::guid(L"{1B4DF3F5-4E25-466E-8751-D5389FD35A06}"), L"IOPMBody",
     win::guid(L"{A5711D85-EDE0-42DC-A8A5-146B69CF3EB6}")},
}};

inline constexpr std::size_t kInterfaceCount = [] {
    std::size_t n = 0;
    for (const ComClass& c : kClasses)
        n += c.hasInterface() ? 1 : 0;
    return n;
}();

// The standard marshaller that every interface names as its proxy and stub.
inline constexpr win::Guid kProxyStubClsid = win::guid(L"{00020424-0000-0000-C000-000000000046}");

// The server's file, in the folder of this module.
inline constexpr std::wstring_view kServerFileName = L"zrlreg.arx";
// The identifiers file, in the folder of this module.
inline constexpr std::wstring_view kIdsFileName = L"RegistryIDs.dat";

// The roots of the three kinds of trees under HKEY_CLASSES_ROOT.
inline constexpr std::wstring_view kTypeLibRoot = L"TypeLib";
inline constexpr std::wstring_view kClassRoot = L"CLSID";
inline constexpr std::wstring_view kInterfaceRoot = L"Interface";

// The key of an identifier below a root: "CLSID\{...}".
inline std::wstring treePath(std::wstring_view root, const win::Guid& id) {
    return std::wstring(root) + L"\\" + id.toText();
}

// The product's trees, in the order they are registered: the type library,
// each class, each interface (1 + 19 + 14).
inline std::vector<std::wstring> productTrees() {
    std::vector<std::wstring> trees{treePath(kTypeLibRoot, kTypeLib.id)};
    for (const ComClass& c : kClasses)
        trees.push_back(treePath(kClassRoot, c.clsid));
    for (const ComClass& c : kClasses)
        if (c.hasInterface()) trees.push_back(treePath(kInterfaceRoot, c.iid));
    return trees;
}

} // namespace comreg
