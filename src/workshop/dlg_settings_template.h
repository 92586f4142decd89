// CDlgSettingsTemplate: a settings dialog with a tree of items on the left
// and, on the right, the page of the selected item. A derived dialog gives
// the texts, the items, the pages and the actions of its Add and Remove
// buttons; pages are created once per page type and kept until the dialog
// closes.
//
// CDlgGeneralSettingsChild is the base of the pages: loadItem copies the
// settings of an item into the page's controls, saveItem copies them back.
#pragma once

#include "platform/core/zrl_array.h"
#include "platform/host/acadstatus.h"
#include "platform/win/dialog.h"
#include "sheettools/settings_sub_dlg_type.h"
#include "sheettools/tree_item.h"
#include "sheettools/tree_spread.h"

#include <memory>
#include <vector>

class CDlgGeneralSettingsChild : public win::Dialog {
public:
    using win::Dialog::Dialog;
    virtual ErrorStatus loadItem(int item) = 0;
    virtual ErrorStatus saveItem(int item) = 0;
};

class CDlgSettingsTemplate : public win::Dialog {
public:
    // Height of the separator above the buttons, in pixels.
    static constexpr int kSeparatorHeight = 8;

    explicit CDlgSettingsTemplate(win::Window* parent = nullptr);
    ~CDlgSettingsTemplate() override;

    static win::DialogTemplate dialogTemplate();

    // Shows item `n`'s page with its settings (saving the shown page
    // first). eInvalidIndex for an index outside the items or a page type
    // without page (the page area then stays empty).
    ErrorStatus selectItem(int n);

    const Zrl_Array<VkTreeItem>& items() const { return items_; }
    int currentItem() const { return current_; }
    // The item a tree row shows; -1 for a row that shows none.
    int itemOfRow(int row) const;
    // The row that shows an item; 0 for an item left out of the tree.
    int rowOfItem(int item) const;
    // The page shown now (null when none), and how many pages were made.
    CDlgGeneralSettingsChild* shownPage() const { return shown_; }
    int pageCount() const { return static_cast<int>(owned_.size()); }
    VkTreeSpread& tree() { return tree_; }

protected:
    // The caption and the texts of the Add and Remove buttons (an empty
    // text hides its button).
    virtual void getTexts(Zrl_String& caption, Zrl_String& addText, Zrl_String& removeText) = 0;
    virtual void fillItems(VkTreeSpread& tree, Zrl_Array<VkTreeItem>& items) = 0;
    // The page for `type` with the template it is made from; null when the
    // type has none.
    virtual std::unique_ptr<CDlgGeneralSettingsChild> createPage(const Zrl_String& type,
                                                                 win::ResourceId& resource) = 0;
    virtual void onAdd() {}
    virtual void onRemove() {}

    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;
    void onDestroy() override;

    // Builds the items again and fills the tree with them.
    void rebuildItems();
    // Saves the shown page for the current item.
    void saveShownPage();

private:
    void fillTree();
    CDlgGeneralSettingsChild* pageFor(const Zrl_String& type);

    VkTreeSpread tree_;
    Zrl_Array<VkTreeItem> items_;
    Zrl_Array<VkSettingsSubDlgType> pages_;
    std::vector<std::unique_ptr<CDlgGeneralSettingsChild>> owned_;
    CDlgGeneralSettingsChild* shown_ = nullptr;
    // The item of each tree row (rows from 1), so that a click never picks
    // another item's settings once an item is left out or a child row lands
    // before later items.
    std::vector<int> rowItems_;
    int current_ = -1;
};
