// Zrl_StringArray: the core module's ordered list of Zrl_String.
// The case flag of find/contains follows the core rule (zrl_string.h):
// set = case-sensitive, cleared = without case.
#pragma once

#include "platform/core/zrl_array.h"
#include "platform/core/zrl_string.h"

class Zrl_StringArray : public Zrl_Array<Zrl_String> {
public:
    using Zrl_Array<Zrl_String>::Zrl_Array;
    using AcArray<Zrl_String>::find;
    using AcArray<Zrl_String>::contains;

    // First entry from `start` equal to text; index untouched when none.
    bool find(const Zrl_String& text, int& index, bool caseSensitive, int start = 0) const {
        for (int i = start < 0 ? 0 : start; i < length(); ++i) {
            if ((*this)[i].equal(text, caseSensitive)) {
                index = i;
                return true;
            }
        }
        return false;
    }
    bool contains(const Zrl_String& text, bool caseSensitive) const {
        int index = -1;
        return find(text, index, caseSensitive);
    }
};
