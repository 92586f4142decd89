// VkMapVarKind: the kinds of macro quantity a spreadsheet variable can be
// mapped to, with the keyword by which a mapping file names each kind and
// the value type a variable must have to take it.
//
// Module kinds (1, 3-11, 14, 16-21) live in a module of the macro; macro
// kinds (2, 12, 13, 15) in the macro itself. Kinds 3 to 11 are the cut
// offsets: kind = cut offset type + 3.
#pragma once

#include "platform/core/zrl_string.h"
#include "standards/var_cell.h"

enum VkMapVarKind : int {
    VkMapVarNone = 0,
    VkMapVarDistance = 1,
    VkMapVarGenVar = 2,
    VkMapVarCutOffset = 3,
    VkMapVarCutPolyOffset = 4,
    VkMapVarCutLengthOffset = 5,
    VkMapVarCutCenterOffset = 6,
    VkMapVarCutInsideOffset = 7,
    VkMapVarCutOutsideOffset = 8,
    VkMapVarCutChamferOffset1 = 9,
    VkMapVarCutChamferOffset2 = 10,
    VkMapVarCutRadius = 11,
    VkMapVarPrPlName = 12,
    VkMapVarPrPlMaterial = 13,
    VkMapVarOwnedMemberName = 14,
    VkMapVarMemberSectionSize = 15,
    VkMapVarPatternNrBolts1 = 16,
    VkMapVarPatternNrBolts2 = 17,
    VkMapVarPatternReverseStart1 = 18,
    VkMapVarPatternReverseStart2 = 19,
    VkMapVarBoltsDiameter = 20,
    VkMapVarBoltsHoleOffset = 21,
};
constexpr int kVkMapVarKindCount = 22;

// The kind's keyword ("Distance"); empty for VkMapVarNone or an unknown value.
Zrl_String mapVarKindKeyword(VkMapVarKind kind);
// The value type of the kind; false when it has none (VkMapVarNone).
bool mapVarKindValueType(VkMapVarKind kind, VkValueType& type);
// The kind whose keyword begins `text` once its leading blanks are removed
// ("Distance Height" is Distance); false when none does.
bool mapVarKindFromText(const Zrl_String& text, VkMapVarKind& kind);
// True for the kinds that live in the macro itself (2, 12, 13, 15).
bool isMacroKind(VkMapVarKind kind);
// True for the cut-offset kinds 3 to 11.
inline bool isCutKind(VkMapVarKind kind) {
    return kind >= VkMapVarCutOffset && kind <= VkMapVarCutRadius;
}
