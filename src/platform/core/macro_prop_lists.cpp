// Property lists of macros: every tab's items as a Zrl_PropertiesList, one
// property per item named "tab/key" (the keys of MacroTabData::items), kept
// by name in the folder of the record's property-list settings.
#include "platform/core/macro_data.h"
#include "platform/core/macro_parts.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/properties_list.h"
#include "platform/win/constants.h"
#include "platform/win/message_box.h"

#include <string>
#include <unordered_map>

namespace {

Zrl_String listPath(const Zrl_PropListSettings& settings, const Zrl_String& name) {
    return settings.folder + name + settings.extension;
}

// The core tells the user why a list could not be used.
void reportListFault(const Zrl_String& path, bool reading) {
    win::messageBox(nullptr,
                    (reading ? L"The property list cannot be read:\n" : L"The property list cannot be written:\n") +
                        path.str(),
                    L"Property lists", win::MB_OK | win::MB_ICONEXCLAMATION);
}

// A property as text: texts as they are, numbers in the macro's number form.
bool propertyText(const Zrl_PropertiesList& list, const Zrl_String& name, Zrl_String& text) {
    if (list.getProperty(name, text) == Acad::eOk) return true;
    double number = 0;
    if (list.getProperty(name, number) != Acad::eOk) return false;
    text = macroNumberText(number);
    return true;
}

} // namespace

void MacroData::getPropFiles(Zrl_String& folder, Zrl_String& extension, Zrl_StringArray& ownNames,
                             Zrl_StringArray& standardNames) const {
    folder = propLists.folder;
    extension = propLists.extension;
    standardNames = propLists.standardNames;
    ownNames.setLogicalLength(0);
    Zrl_StringArray files;
    if (!ObjectExportFindFiles(folder, L"*" + extension, files)) return;
    for (const Zrl_String& file : files) {
        Zrl_String name = getFileName(file);
        if (!extension.isEmpty() && name.endsWith(extension, false))
            name = name.left(name.length() - extension.length());
        ownNames.append(name);
    }
}

bool MacroData::readFromFile(const Zrl_String& name, int& count) {
    count = 0;
    const Zrl_String path = listPath(propLists, name);
    Zrl_PropertiesList list;
    if (list.readFromFile(path) != Acad::eOk) {
        reportListFault(path, true);
        return false;
    }
    // Where each "tab/key" lives in this record.
    struct Place {
        int tab;
        int code;
        Zrl_String key;
    };
    std::unordered_map<std::wstring, Place> where;
    for (int t = 0; t < tabs.length(); ++t) {
        for (const Zrl_MacroItem& item : tabs[t].items())
            where.emplace(tabs[t].name.toLower().str() + L"/" + item.key.toLower().str(),
                          Place{t, item.code, item.key});
    }
    Zrl_Array<MacroTabData> changed = tabs;
    int lacking = 0;
    for (int i = 0; i < list.length(); ++i) {
        const Zrl_String property = list.nameAt(i);
        Zrl_String text;
        if (!propertyText(list, property, text)) {
            reportListFault(path, true);
            return false;
        }
        auto it = where.find(property.toLower().str());
        if (it == where.end()) {
            ++lacking;
            continue;
        }
        const Place& place = it->second;
        // A Fix state is stored as "1" (fixed) or "0" and set by name.
        const Zrl_String value = place.code == MacroTabData::kItemFlexFix
                                     ? place.key.getSubStringAt(4) + L"=" + text
                                     : text;
        changed[place.tab].setItem(place.code, value);
    }
    tabs = changed;
    count = lacking;
    return true;
}

bool MacroData::writeToFile(const Zrl_String& name) const {
    Zrl_PropertiesList list;
    for (const MacroTabData& tab : tabs) {
        for (const Zrl_MacroItem& item : tab.items())
            list.setProperty(tab.name + L"/" + item.key, item.value);
    }
    const Zrl_String path = listPath(propLists, name);
    if (list.writeToFile(path) != Acad::eOk) {
        reportListFault(path, false);
        return false;
    }
    return true;
}
