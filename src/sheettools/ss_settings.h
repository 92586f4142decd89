// VkSSSettings: the print and display settings a bill sheet carries, and
// their mapping to the keys of a Zrl_SimplePropsList.
//
// The settings travel with the sheet as the text form of the list in the
// tag of the corner cell (column 0, row 0); preset settings are read from
// settings files "<installation folder>\<name>.vkd".
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"
#include "sheettools/simple_props_list.h"

class Zrl_Spread;

class VkSSSettings {
public:
    VkSSSettings() = default;
    virtual ~VkSSSettings() = default;

    Zrl_Spread* sheet = nullptr;
    bool valid = false;
    Zrl_String headerFile;
    Zrl_String footerFile;
    Zrl_String defaultFont = L"Tahoma";
    int defaultTextHeight = 13;
    int marginLeft = 9;
    int marginRight = 5;
    int marginTop = 5;
    int marginBottom = 5;
    bool smartPrint = true;
    bool colors = true;
    bool colHeader = true;
    bool rowHeader = true;
    // Stored under the key "cellSeperators", as settings files spell it.
    bool cellSeparators = true;
    bool border = true;
    Zrl_StringArray varNames;
    Zrl_StringArray varValues;

    // Back to the defaults (also forgets the sheet and validity).
    void reset();

    // The key-value list of the settings, keys in their fixed order.
    Zrl_SimplePropsList toList() const;
    // Defaults, marked valid, then every key present with the right type.
    // The two lists are read by index until the first missing key and cut
    // to the shorter one.
    void fromList(const Zrl_SimplePropsList& list);

    // Reads the corner-cell tag of `grid` (an empty tag leaves the defaults).
    bool fromSheet(Zrl_Spread* grid);
    // Writes the corner-cell tag; false when not valid or without sheet.
    bool toSheet() const;
    // Reads the settings file of this name; false when it cannot be read
    // (the record is then at its defaults and not valid).
    bool fromSettingsName(const Zrl_String& name);

    const Zrl_String& getHeaderFile() const { return headerFile; }
    const Zrl_String& getFooterFile() const { return footerFile; }
    void setHeaderFile(const Zrl_String& file) { headerFile = file; }
    void setFooterFile(const Zrl_String& file) { footerFile = file; }
    void setVars(const Zrl_StringArray& names, const Zrl_StringArray& values);

    // The installation folder with "\" separators and a final "\".
    static Zrl_String settingsFolder();
    // The settings file of a name: settingsFolder() + name + ".vkd".
    static Zrl_String settingsPath(const Zrl_String& name);
};
