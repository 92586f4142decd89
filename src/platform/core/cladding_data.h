// VkCladdingDlgData: how cladding is fixed, as the cladding settings dialog
// edits it: the profile of its rails, two constraint types allowed by the
// record's kind, two choices from fixed lists, a value that two of the
// second list's choices use, and one switch.
//
// Constraint types are 0 to 4. Which types a kind allows is the core's
// table: kind 0 all, kind 1 types 1 and 3, kind 2 types 0, 2 and 4, any
// other kind none, unless setValidConstrainTypes changed it.
#pragma once

#include "platform/core/zrl_string.h"

#include <vector>

class VkCladdingDlgData {
public:
    VkCladdingDlgData() = default;
    VkCladdingDlgData(const VkCladdingDlgData&) = default;
    VkCladdingDlgData& operator=(const VkCladdingDlgData&) = default;
    virtual ~VkCladdingDlgData() = default;
    bool operator==(const VkCladdingDlgData&) const = default;

    Zrl_String profile;
    int kind = 0;    // read only for the dialog
    int choiceA = 0; // index into the first fixed list
    bool switchOn = false;
    int choiceB = 0; // index into the second fixed list
    Zrl_String value;
    int type1 = 0;
    int type2 = 0;
};

inline constexpr int kConstrainTypeCount = 5;

// Whether `kind` allows constraint type `type`. With `forDialog` false only
// the range 0-4 is checked (a stored type); true asks the kind's table.
bool isValidConstrainType(int kind, int type, bool forDialog);
// Sets the types a kind allows (any outside 0-4 are dropped).
void setValidConstrainTypes(int kind, const std::vector<int>& types);
// Back to the table described above.
void resetValidConstrainTypes();
