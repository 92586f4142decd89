// DlgEditLibData: the core's record of the section library that the library
// editor edits: the section groups, the section types, and the names of the
// section tables the library holds.
//
// A group has an identifier (kept when groups move), a name, an enabled
// flag, an image and its name in each language. A section type has a name,
// an enabled flag, an image, the identifier of its group (-1 for none), the
// name of its section table and its name in each language.
#pragma once

#include "platform/core/text_helpers.h"

#include <vector>

struct SectionGroup {
    int id = 0;
    Zrl_String name;
    bool enabled = true;
    Zrl_String image;
    Zrl_StringArray names; // one per language
    bool operator==(const SectionGroup&) const = default;
};

class SectionGroupArray {
public:
    virtual ~SectionGroupArray() = default;

    // Accessors by position; out-of-range positions read as empty and are
    // not written.
    Zrl_String getName(int index) const;
    bool getEnabled(int index) const;
    void setEnabled(int index, bool enabled);
    Zrl_String getImage(int index) const;
    void setImage(int index, const Zrl_String& image);
    Zrl_StringArray getLangs(int index) const;
    // The names per language; the first also becomes the group's name.
    void setLangs(int index, const Zrl_StringArray& names);
    // A new enabled group with a fresh identifier and a fresh name; its
    // position.
    int appendNewGrp();
    bool removeAt(int index);
    bool swap(int a, int b);
    int length() const { return static_cast<int>(groups.size()); }
    // Every group's name and identifier, in order.
    void namesOfAllGroups(Zrl_StringArray& names, AcArray<int>& ids) const;

    std::vector<SectionGroup> groups;
    bool operator==(const SectionGroupArray& o) const { return groups == o.groups; }
};

struct SectionType {
    Zrl_String name;
    bool enabled = true;
    Zrl_String image;
    int group = -1;
    Zrl_String table;
    Zrl_StringArray names; // one per language
    const Zrl_String& getName() const { return name; }
    bool operator==(const SectionType&) const = default;
};

class DlgEditLibData {
public:
    virtual ~DlgEditLibData() = default;

    // Fills availableFiles with the section tables of the library (the
    // ".pr" files of libDir() + "prof\", without the extension, in natural
    // order); their number.
    int GetAvailableFiles();

    Zrl_StringArray availableFiles;
    SectionGroupArray groups;
    std::vector<SectionType> types;
    bool operator==(const DlgEditLibData& o) const {
        return availableFiles == o.availableFiles && groups == o.groups && types == o.types;
    }
};
