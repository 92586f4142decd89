// CTabMacroMapping: the page of the macro settings dialog on which a user
// chooses the standards sheets a macro uses and, for a sheet that maps the
// entire macro, which quantity of the macro each declared input and output
// stands for.
//
// The upper grid lists the standards (sheet, and "<Entire macro>" or a
// module group); the lower grid shows the selected standard's variables,
// input section then output section, each with a combo box offering the
// candidates of the variable's own value type. The choices are saved when
// another standard is selected, before every list operation and edit of the
// list, and by apply(): a changed mapping gets a new key in the sheet's
// mapping file (mapping_edit.h), the old line stays for other macros.
//
// The page edits the record it is given in place and does nothing while the
// record or its candidates are missing.
#pragma once

#include "platform/core/button_st.h"
#include "platform/core/tab_mapping_data.h"
#include "platform/win/dialog.h"
#include "standards/calc_ss.h"
#include "standards/combo_map_link.h"
#include "standards/mapping_edit.h"
#include "standards/ss_mapping.h"

#include <memory>

class CTabMacroMapping : public win::Dialog {
public:
    // The colour of the separator rows and of the variable names (the
    // system's inactive border colour) and the ground of the names.
    static constexpr spread::Color kSeparatorColor = 0xFCF7F4;
    static constexpr spread::Color kNameGround = 0xF0F0F0;
    // Style of the section titles' static cells.
    static constexpr std::uint32_t kTitleStyle = 128;

    explicit CTabMacroMapping(TabMappingData* data);
    ~CTabMacroMapping() override;

    static win::DialogTemplate dialogTemplate();

    // OK of the settings dialog: reads the list back, saves the current
    // standard's mapping; the modified flag.
    bool apply();

    bool modified() const { return modified_; }
    int currentStandard() const { return current_; }
    // True while the mapping grid shows the current standard's sheet.
    bool showsMapping() const { return shown_; }
    Zrl_Spread& standardsGrid() { return standards_; }
    VkCalcSS& mappingGrid() { return mapping_; }
    const VkSSMapping& editedMapping() const { return edited_; }
    const Zrl_Array<VkComboMapLink>& links() const { return links_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;

private:
    enum class ListOp { Add, Remove, Up, Down };

    void fillStandards();
    std::vector<mapedit::StandardRow> rowsOnScreen() const;
    void readStandardsBack();
    void showMapping(int index);
    void clearMapping();
    VkSSMapping readMappingBack() const;
    void saveMapping(int index);
    void selectActiveStandard();
    void listOperation(ListOp op);
    bool ready() const { return data_ && data_->candidates; }

    // In the order the page's design gives them.
    CButtonST up_, down_;
    Zrl_Spread standards_;
    VkCalcSS mapping_;
    VkSSMapping edited_;
    Zrl_Array<VkComboMapLink> links_;
    TabMappingData* data_ = nullptr;
    int current_ = 0;
    bool modified_ = false;

    // Whether the mapping grid shows standard current_ (a sheet that failed
    // to load or scan shows nothing, and nothing is saved for it).
    bool shown_ = false;
    Zrl_String shownSheet_;
    // The candidates' items, built once per page; one combo cell type per
    // value type, shared by every cell of that type.
    std::unique_ptr<mapedit::CandidateItems> items_;
    std::shared_ptr<const spread::CellType> comboTypes_[3];
};
