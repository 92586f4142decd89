// Dialog: a window made from a dialog template, run modally or modeless.
//
// Writing a dialog:
//
//   class CDlgExample : public win::Dialog {
//   public:
//       CDlgExample(win::Window* parent) : Dialog(IDD_EXAMPLE, parent) {}
//   protected:
//       bool onInitDialog() override {       // controls exist now
//           combo(IDC_KIND)->addString(L"Plate");
//           check(IDC_FLAG, win::BST_CHECKED);
//           return true;                     // true: focus on the first control
//       }
//       bool onCommand(int id, int code) override {
//           if (id == IDC_FLAG && code == win::BN_CLICKED) { ...; return true; }
//           return false;                    // not handled: IDOK/IDCANCEL defaults
//       }
//       void onOK() override { read the controls; Dialog::onOK(); }
//   };
//   CDlgExample dlg(nullptr);
//   if (dlg.doModal() == win::IDOK) ...
//
// Life of a modal dialog (doModal): the template is looked up (resources.h),
// the window and its controls are created (their rectangles converted from
// dialog units, dialogUnitsToPixels), WM_INITDIALOG runs onInitDialog, the
// caption is recorded as shown (script.h) and the owner (the parent, else
// the main window) is disabled. Then the dialog runs until endDialog: headless,
// the next scripted function (Script::onNextModal) plays the user. Functions
// go to modal dialogs in the order the dialogs are created: a dialog takes
// its function before onInitDialog, so a dialog opened from onInitDialog or
// from within the function gets the one after. When no function is queued,
// or the dialog is still running when it returns, the user presses Cancel
// (IDCANCEL through onCommand/onCancel; should the dialog refuse to end, it
// is ended with IDCANCEL all the same, so nothing hangs). An exception out
// of the function is caught and recorded (Shown::errors). Pages (templates
// with WS_CHILD, created modeless inside another dialog) leave the keys to
// the dialog around them.
// Finally the owner is enabled again, the window destroyed (onDestroy) and
// the end code returned. doModal answers -1 when the template is missing or
// the dialog is already live.
//
// Modeless (create): the same creation and onInitDialog; the dialog stays
// live (and shown when the template has WS_VISIBLE or show(true) is called)
// until destroy(). endDialog on a modeless dialog hides it and keeps the
// code (endCode()); the owner of the object destroys it.
//
// Default commands: IDOK calls onOK, IDCANCEL calls onCancel (also for
// Escape and WM_CLOSE); their defaults end the dialog with IDOK / IDCANCEL.
// Return in a dialog presses the focused push button, else IDOK, except in
// a multi-line edit with ES_WANTRETURN.
//
// Control access by id: item(id) is the child window with that id (nullptr
// when there is none); the typed accessors (button, edit, combo, ...) answer
// nullptr also when the child is of another kind. The by-id helpers below do
// nothing (and answer false, 0 or empty) for a missing control.
#pragma once

#include "platform/win/controls.h"
#include "platform/win/dialog_template.h"
#include "platform/win/window.h"

#include <cstdint>
#include <string>
#include <utility>

namespace win {

class ZRLWIN_API Dialog : public Window {
public:
    Dialog() = default;
    explicit Dialog(ResourceId templateId, Window* parent = nullptr)
        : templateId_(std::move(templateId)), owner_(parent) {}
    ~Dialog() override;

    const ResourceId& templateId() const { return templateId_; }
    // The window given as parent. A dialog whose template has WS_CHILD (a
    // page) is that window's child; any other dialog is a top-level window
    // (parent() is nullptr) owned by it.
    Window* owner() const { return owner_; }
    void setTemplateId(ResourceId id) { templateId_ = std::move(id); }

    // Runs the dialog modally; answers the end code, -1 on failure.
    intptr_t doModal();
    // Creates the dialog modeless. False when the template is missing or the
    // dialog is live already.
    bool create(const ResourceId& templateId, Window* parent = nullptr);
    // Ends the dialog with `code` (modal: doModal returns it; modeless: hides).
    void endDialog(intptr_t code);
    bool isModal() const { return modal_; }
    // True from creation until endDialog or destroy.
    bool isRunning() const { return running_; }
    // The code endDialog received (0 before).
    intptr_t endCode() const { return endCode_; }

    // The name an action script gives this dialog (`dialog NAME`), for
    // dialogs whose caption the caller chooses; empty for the others, which
    // scripts address by their caption.
    virtual std::wstring scriptName() const { return {}; }

    // --- Controls by id ---------------------------------------------------
    Window* item(int id) const { return child(id); }
    Button* button(int id) const;
    Edit* edit(int id) const;
    ComboBox* combo(int id) const;
    ListBox* listBox(int id) const;
    ListView* listView(int id) const;
    TabControl* tab(int id) const;
    Picture* picture(int id) const;

    bool setItemText(int id, const std::wstring& text);
    std::wstring getItemText(int id) const;
    // Integer text; `ok` (optional) tells whether the text was a number.
    bool setItemInt(int id, long long value);
    long long getItemInt(int id, bool* ok = nullptr) const;
    // Check state of a check box or radio button (BST_ values).
    bool check(int id, int state = BST_CHECKED);
    int isChecked(int id) const;
    // Checks `id` and unchecks the other buttons from first to last.
    bool checkRadioButton(int first, int last, int id);
    // The checked button from first to last, 0 when none.
    int checkedRadioButton(int first, int last) const;
    bool enableItem(int id, bool enabled = true);
    bool showItem(int id, bool visible = true);
    bool focusItem(int id);

    // --- The user's actions (the scripted user calls these) ----------------
    // Clicks a button (see button.h for the check semantics). False when
    // there is no enabled, visible button with this id.
    bool click(int id);
    // Types into an edit or an editable combo box (replaces its text).
    bool type(int id, const std::wstring& text);
    // Chooses an item by index or by its exact text in a combo box, list
    // box, list view or tab control, with that control's notifications.
    bool choose(int id, int index);
    bool choose(int id, const std::wstring& text);
    // Key press (down and up) to the focus window, or to the dialog when the
    // focus is elsewhere, through the input path.
    void pressKey(int vk);

    bool preTranslateMessage(const Message& msg) override;

protected:
    // After the controls exist. True puts the focus on the first enabled,
    // visible control with WS_TABSTOP; false means the handler set it.
    virtual bool onInitDialog() { return true; }
    virtual void onOK() { endDialog(IDOK); }
    virtual void onCancel() { endDialog(IDCANCEL); }
    void defaultCommand(int id, int notifyCode) override;
    LRESULT windowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool build(const ResourceId& templateId, Window* parent, bool modal);
    void focusFirstTabStop();

    ResourceId templateId_;
    Window* owner_ = nullptr;
    bool modal_ = false;
    bool running_ = false;
    intptr_t endCode_ = 0;
};

} // namespace win
