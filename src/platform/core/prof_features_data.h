// DlgProfFeaturesData: a profile with up to four further values whose labels
// the caller chooses (one or two of them level names) and one switch that
// can swap the label and value of the third field, as the profile features
// dialog edits them. An empty label leaves its field out.
#pragma once

#include "platform/core/zrl_stringarray.h"

class AcTransaction;

class DlgProfFeaturesData {
public:
    DlgProfFeaturesData() = default;
    DlgProfFeaturesData(const DlgProfFeaturesData&) = default;
    DlgProfFeaturesData& operator=(const DlgProfFeaturesData&) = default;
    virtual ~DlgProfFeaturesData() = default;
    bool operator==(const DlgProfFeaturesData&) const = default;

    // Replaces `levels` with the names of the drawing's levels, in order.
    void getAllLevels();

    AcTransaction* transaction = nullptr; // handed to the levels record
    Zrl_String caption;
    Zrl_String profile; // a section name, or "User Sections\NAME.dwg"
    Zrl_String labelA, valueA; // a level
    Zrl_String labelB, valueB;
    // The third field's label and value, plain and while the switch is on.
    Zrl_String labelC, altLabelC;
    Zrl_String valueC, altValueC;
    bool cIsLevel = false; // the third field is a level
    Zrl_String labelD, valueD;
    Zrl_String switchLabel; // empty: no switch shown
    bool switchOn = false;
    Zrl_StringArray levels; // the level names offered
};
