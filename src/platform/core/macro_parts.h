// The parts of a connection macro's modules: dialog (constraint) variables,
// cuts with their offsets, bolt patterns, named profile placements, general
// variables and base profiles. Plain value records.
#pragma once

#include "platform/core/zrl_array.h"
#include "platform/core/zrl_string.h"
#include "platform/host/object_id.h"

// Module type codes.
constexpr int kZrlModuleGeneral = 231;
constexpr int kZrlModuleBolt = 232;
constexpr int kZrlModuleProfile = 233;

// Bolt pattern type codes: bolts in one direction, bolts in two directions.
constexpr int kZrlPatternSingle = 281;
constexpr int kZrlPatternDouble = 282;

// The offsets a cut can have.
enum VkCutOffsetType : int {
    VkCutOffset = 0,
    VkCutPolyOffset = 1,
    VkCutLengthOffset = 2,
    VkCutCenterOffset = 3,
    VkCutInsideOffset = 4,
    VkCutOutsideOffset = 5,
    VkCutChamferOffset1 = 6,
    VkCutChamferOffset2 = 7,
    VkCutRadius = 8,
};
constexpr int kVkCutOffsetTypeCount = 9;

// Cut types; each has a fixed set of offsets (getCutOffsets).
enum Zrl_CutType : int {
    Zrl_CutStraight = 0, // offset, length offset
    Zrl_CutPolygon = 1,  // polygon offset
    Zrl_CutCope = 2,     // offset, inside, outside, radius
    Zrl_CutChamfer = 3,  // both chamfer offsets
    Zrl_CutCenter = 4,   // center offset
    Zrl_CutFull = 5,     // every offset
};
constexpr int kZrlCutTypeCount = 6;

// The offset types that a cut of `cutType` has, in offset-type order; empty
// for an unknown cut type.
AcArray<int> getCutOffsets(int cutType);
// The short name of an offset type ("cut", "poly", ..., "radius"), used in
// macro descriptions; empty for an unknown type.
Zrl_String cutOffsetName(int offsetType);
// The offset type of a short name; -1 when unknown.
int cutOffsetFromName(const Zrl_String& name);

// A dialog variable of a module with the two flags the dialog-variable list
// reports for it (they order the variable in choice lists).
struct Zrl_DialogVariable {
    Zrl_String name;
    double value = 0.0;
    bool firstFlag = false;
    bool secondFlag = false;
    bool operator==(const Zrl_DialogVariable&) const = default;
};

struct Zrl_MacroCut {
    Zrl_String name;
    int cutType = Zrl_CutStraight;
    double offsets[kVkCutOffsetTypeCount] = {};
    bool operator==(const Zrl_MacroCut&) const = default;
};

struct Zrl_BoltPattern {
    int id = 0;
    Zrl_String name;
    int typeCode = kZrlPatternSingle;
    // True when the pattern is laid out from its far end in that direction.
    bool reversed1 = false;
    bool reversed2 = false;
    bool operator==(const Zrl_BoltPattern&) const = default;
};

// A profile or plate placed by a profile module under a name.
struct Zrl_NamedPrpl {
    Zrl_String name;
    Zrl_String section;
    Zrl_String material;
    bool operator==(const Zrl_NamedPrpl&) const = default;
};

struct Zrl_GeneralVariable {
    Zrl_String name;
    double value = 0.0;
    bool operator==(const Zrl_GeneralVariable&) const = default;
};

// A profile of the drawing the macro is attached to.
struct Zrl_BaseProfile {
    AcDbObjectId id;
    Zrl_String section;
    Zrl_String material;
    bool operator==(const Zrl_BaseProfile&) const = default;
};

// The text of a number as the core hands quantities out: up to 8 decimals,
// trailing zeros and a trailing point removed ("12.5", "200", "-0.125").
Zrl_String macroNumberText(double value);
// Reads a whole text as a number (blanks around allowed); false when it is
// not one.
bool macroTextToNumber(const Zrl_String& text, double& value);
