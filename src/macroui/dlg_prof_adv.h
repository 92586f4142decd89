// CDlgProfAdv: the advanced properties of a profile group: the member name
// its profiles carry, the section (a family, then a size of the core's
// section tables) and the material (one of the core's materials).
//
// Two forms:
// - one group of a macro record (MacroData): its merged properties and,
//   below them, the named placements of the group; read-only shows and
//   closes;
// - the merged properties of several selected objects, read and written
//   through the caller's callback: a field whose objects differ shows
//   "<Various>" and is written only when the user edits it.
#pragma once

#include "dialogs/dialog_records.h"
#include "frame/export.h"
#include "macroui/dlg_prof_adv_ids.h"
#include "platform/core/macro_data.h"
#include "platform/core/macro_parts.h"
#include "platform/host/object_id.h"
#include "platform/win/dialog.h"

#include <optional>

// What the advanced profile dialog asks of its callback: an object's merged
// profile properties (get), or to give the object these properties (set).
enum VkMACallBackType : int {
    VkMACallBackGet = 0,
    VkMACallBackSet = 1,
};

// The callback of the several-objects form. The record names the object:
// `value` holds its id as decimal text and `indexes` its position in the
// list. Get fills the properties; set receives the object's properties
// with the user's edits. False: the object refuses (get: it cannot be read;
// set: it was not changed).
using VkMACallBack = bool (*)(VkMACallBackType, const VkMACallBackData&, MacroProfData&);

// The fields the dialog edits; an empty field is one whose objects differ
// (shown) or that the user did not edit (edits).
struct ProfAdvFields {
    std::optional<Zrl_String> name;
    std::optional<Zrl_String> section;
    std::optional<Zrl_String> material;
    bool operator==(const ProfAdvFields&) const = default;
};

// The fields several objects' properties have in common.
ProfAdvFields mergeProfProps(const Zrl_Array<MacroProfData>& props);
// Writes the edited fields into `props`; true when that changed them.
bool applyProfEdits(const ProfAdvFields& edits, MacroProfData& props);
// The merged properties of `group` in the first tab that has it; false for
// none.
bool findProfGroup(const MacroData& data, const Zrl_String& group, MacroProfData& props);

class CDlgProfAdv : public win::Dialog {
public:
    explicit CDlgProfAdv(win::Window* parent = nullptr);
    ~CDlgProfAdv() override;

    static win::DialogTemplate dialogTemplate();
    MacroData& record() { return data_; }
    void takeArguments(const Zrl_String& group, const Zrl_String& title, bool& readOnly);
    void giveArguments(const Zrl_String&, const Zrl_String&, bool&) const {}

    // The several-objects form: shows `merged` (no record, no placements).
    void showMerged(const ProfAdvFields& merged);
    // The fields the user changed (after OK).
    const ProfAdvFields& edits() const { return edits_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;

private:
    void fillSection();
    void familyChosen();
    void fillMaterials();
    void fillPlacements();
    Zrl_String shownText(const std::optional<Zrl_String>& field) const;
    Zrl_String chosenText(int comboId) const;

    MacroData data_;
    Zrl_String group_;
    Zrl_String title_;
    bool readOnly_ = false;
    bool merged_ = false;
    ProfAdvFields shown_;
    ProfAdvFields edits_;
};

// One group of a macro record: on OK the edited properties go back into
// every tab of `data` that has the group. A group the record lacks opens
// nothing.
ZRLSS_EXPORT void StartDlgMacroProfAdv(MacroData& data, const Zrl_String& group,
                                       const Zrl_String& title, bool readOnly);
// Several objects (shown only when the list holds one at least): each
// object's properties come from `callback` (get); on OK each object is given
// its own properties with the user's edits (set). `changed` tells whether
// any object took a change. Objects that refused are named in one message.
ZRLSS_EXPORT void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* objects, bool& changed,
                                       VkMACallBack callback);
