// The editing of a macro's standards and of one standard's mapping, without
// windows: what the standards mapping tab shows and reads back, and how a
// changed mapping is saved under a new key. `zrlss mapping` uses the same
// code on the files alone.
//
// A standard maps either the entire macro (its key names a line of the
// sheet's mapping file) or one module group (key "Module." + group, mapped
// by the sheet's variable names, nothing to edit here).
//
// A changed mapping never overwrites the line it was read from: it is
// written under a fresh key, so that other macros that stored the old key
// keep their mapping.
#pragma once

#include "platform/core/tab_mapping_data.h"
#include "platform/host/acarray.h"
#include "standards/ss_mapping.h"
#include "standards/var_cells.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace mapedit {

inline constexpr const wchar_t* kEntireMacro = L"<Entire macro>";
inline constexpr const wchar_t* kModulePrefix = L"Module.";
// Length of a drawn key, and how many draws may collide before a save gives up.
constexpr int kKeyLength = 24;
constexpr int kMaxKeyDraws = 9999;

bool isModuleKey(const Zrl_String& key);
// The library's standards folder, with its final separator.
Zrl_String standardsFolder();

// --- the standards list ------------------------------------------------------

// Every "*.vks" under `folder` and its subfolders, named relative to it
// without extension ("Childs\Bolt Group").
Zrl_StringArray sheetChoices(const Zrl_String& folder);
// "<Entire macro>" and the record's group names.
Zrl_StringArray mapsToChoices(const TabMappingData& data);

// One row of the standards list: the sheet and what it maps to.
struct StandardRow {
    Zrl_String sheet;
    Zrl_String mapsTo;
    bool operator==(const StandardRow&) const = default;
};
// A row per sheet name; a key "Module." + group shows the group, any other
// key (a missing one too) the entire macro.
std::vector<StandardRow> standardRows(const TabMappingData& data);
// Replaces the record's sheets and keys by the rows: an entire-macro row
// keeps the key that getMapping gives its sheet in that row (none that
// begins with "Module."), a group row gets "Module." + group. True when
// either list changed.
bool readStandardsBack(TabMappingData& data, const std::vector<StandardRow>& rows);

// --- the mapping table -------------------------------------------------------

// The text by which a candidate is offered: group, object name and keyword
// joined by "." (the keyword left out for Distance and MemberSectionSize),
// then the label as it is.
Zrl_String itemText(const VkObjectMap& candidate);

// The candidates offered per value type, with their item texts built once.
// A variable is offered only the candidates whose kind has its own value
// type: the engine binds no other (VkSSMapping::findSSVar).
class CandidateItems {
public:
    // Keeps a reference: the candidates must outlive this.
    explicit CandidateItems(const VkSSMapping& candidates);

    const VkSSMapping& candidates() const { return candidates_; }
    // The candidate indexes offered for a type, and their item texts in the
    // same order (one list: item n is candidate validVars[n]).
    const AcArray<int>& validVars(VkValueType type) const;
    const std::shared_ptr<const std::vector<std::wstring>>& items(VkValueType type) const;
    // The item of candidate `index` among the type's items; -1 when not offered.
    int itemOfCandidate(VkValueType type, int index) const;
    // The first candidate that stands for the same quantity as `entry`
    // (same group and object name without case, same kind); -1 when none.
    int findCompatible(const VkObjectMap& entry) const;
    // Every item that reads `text`; the caller decides about none or several.
    std::vector<int> itemsReading(VkValueType type, const Zrl_String& text) const;

private:
    static int slot(VkValueType type);

    const VkSSMapping& candidates_;
    AcArray<int> valid_[3];
    std::shared_ptr<const std::vector<std::wstring>> items_[3];
    std::vector<int> itemOf_; // candidate -> item in its type's list, -1 if none
    std::unordered_map<std::wstring, int> byQuantity_;
};

// The item preselected for a variable: the edited mapping's entry for the
// variable (by name and type), the candidate for that quantity, and its
// place among the offered items; -1 when a step finds nothing.
int preselect(const VkSSMapping& edited, const CandidateItems& items, const VkVarCell& variable);

// One combo cell read back: the variable's index and the chosen item (-1: none).
struct Choice {
    int varIndex = -1;
    int item = -1;
};
// The mapping the choices make: an entry (group, object name, kind of the
// candidate; the variable's name) per valid choice, in choice order.
VkSSMapping mappingFromChoices(const CandidateItems& items, const VkVarCells& variables,
                               const std::vector<Choice>& choices);

// The declared inputs and outputs of a sheet in declaration order (inputs
// first), locals left out.
std::vector<int> mappedVariables(const VkVarCells& variables);

// The stored mapping of a standard; empty when the file has no line for the
// key (a standard never takes entries from another one).
VkSSMapping storedMapping(const Zrl_String& sheet, const Zrl_String& key);

// --- saving --------------------------------------------------------------------

enum class SaveResult {
    Skipped,    // no candidates, no such standard, a module-group standard, no sheet
    Unchanged,  // the stored line maps the same (or nothing to store): no write
    Saved,      // written under a new key, stored in the record
    WriteFailed,// the mapping file cannot be read or written: nothing changed
    KeysExhausted, // every draw gave a key in use: nothing changed
};
// Saves the edited mapping of standard `index`. Only after the line was
// written does the record take the new key and `modified` get set.
SaveResult saveStandard(TabMappingData& data, int index, const VkSSMapping& edited,
                        bool& modified);

} // namespace mapedit
