// The groups page and the types page of the library editor: a check list of
// the items (checked = enabled) that selects the current one, its enabled
// box, its image, its name in each language in a sheet, and buttons to add,
// remove and move items. The current item is stored back before another is
// shown and when the editor ends.
#pragma once

#include "grid/zrl_spread.h"
#include "platform/core/button_st.h"
#include "platform/core/check_list_box.h"
#include "platform/core/section_library_data.h"
#include "platform/win/dialog.h"

class CTabEditLibItems : public win::Dialog {
public:
    explicit CTabEditLibItems(DlgEditLibData& data) : data_(data) {}
    ~CTabEditLibItems() override;

    // Stores the current item's fields back into the record.
    virtual void storeCurrent();
    // Fills the list again from the record and shows the current item.
    void refresh();
    int current() const { return current_; }
    Zrl_Spread& namesGrid() { return names_; }

protected:
    static win::DialogTemplate itemsTemplate(const wchar_t* id, bool withTypeFields);
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;

    // The items of the record.
    virtual int count() const = 0;
    virtual Zrl_String itemName(int index) const = 0;
    virtual bool itemEnabled(int index) const = 0;
    virtual void setItemEnabled(int index, bool enabled) = 0;
    virtual Zrl_String itemImage(int index) const = 0;
    virtual Zrl_StringArray itemNames(int index) const = 0;
    virtual void setItemFields(int index, const Zrl_String& image,
                               const Zrl_StringArray& names) = 0;
    virtual int appendItem() = 0;
    virtual void removeItem(int index) = 0;
    virtual void swapItems(int a, int b) = 0;
    // The texts of the page's controls.
    virtual int newText() const = 0;
    virtual int removeText() const = 0;
    // Shows the page's own fields of an item (-1: none).
    virtual void showExtra(int) {}

    void select(int index);
    DlgEditLibData& data_;
    int current_ = -1;

private:
    void showCurrent();

    CCheckListBox list_;
    Zrl_Spread names_;
    CButtonST up_, down_;
};

class CTabEditLibGroups : public CTabEditLibItems {
public:
    using CTabEditLibItems::CTabEditLibItems;
    static win::DialogTemplate dialogTemplate();

protected:
    int count() const override;
    Zrl_String itemName(int index) const override;
    bool itemEnabled(int index) const override;
    void setItemEnabled(int index, bool enabled) override;
    Zrl_String itemImage(int index) const override;
    Zrl_StringArray itemNames(int index) const override;
    void setItemFields(int index, const Zrl_String& image, const Zrl_StringArray& names) override;
    int appendItem() override;
    void removeItem(int index) override;
    void swapItems(int a, int b) override;
    int newText() const override { return 758; }
    int removeText() const override { return 759; }
};

class CTabEditLibTypes : public CTabEditLibItems {
public:
    using CTabEditLibItems::CTabEditLibItems;
    static win::DialogTemplate dialogTemplate();
    void storeCurrent() override;
    // Fills the table list with the library's tables.
    void fillTables();

protected:
    bool onInitDialog() override;
    int count() const override;
    Zrl_String itemName(int index) const override;
    bool itemEnabled(int index) const override;
    void setItemEnabled(int index, bool enabled) override;
    Zrl_String itemImage(int index) const override;
    Zrl_StringArray itemNames(int index) const override;
    void setItemFields(int index, const Zrl_String& image, const Zrl_StringArray& names) override;
    int appendItem() override;
    void removeItem(int index) override;
    void swapItems(int a, int b) override;
    int newText() const override { return 764; }
    int removeText() const override { return 765; }
    void showExtra(int index) override;

private:
    AcArray<int> groupIds_;
};
