// CDlgDesigner: the dialog designer. The canvas above shows the template's
// picture with its controls, which the user selects with the mouse, moves
// and sizes; the buttons below open, save, add, remove, copy, size and align
// them; the panel edits the type and texts of the one selected control.
//
// Action scripts address it as `dialog designer`.
#pragma once

#include "designer/canvas_script.h"
#include "designer/dlg_designer_data.h"
#include "designer/dlg_designer_ids.h"
#include "platform/core/button_st.h"
#include "platform/core/resizer.h"
#include "platform/win/dialog.h"

class CDlgDesigner : public win::Dialog {
public:
    explicit CDlgDesigner(win::Window* parent = nullptr);
    ~CDlgDesigner() override;

    static win::DialogTemplate dialogTemplate();

    // The template the designer opens with (a path; a missing file starts
    // an empty designer).
    void setTemplatePath(const Zrl_String& path) { templatePath_ = path; }
    Zrl_DlgDesignerData& model() { return data_; }
    bool isModified() const { return modified_; }
    // The canvas as it is painted: background, picture, outlines of all
    // controls and the selection's handles.
    void render(win::Bitmap& canvas) const;

    std::wstring scriptName() const override { return L"designer"; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;
    void onCancel() override;
    void onDestroy() override;
    void onSize(int cx, int cy) override;
    void onLButtonDown(win::WPARAM flags, win::Point p) override;

private:
    void loadTemplate(const Zrl_String& path);
    // The save question; false when the user cancelled (stay open).
    bool askSave();
    // Save as; false when cancelled or not written.
    bool saveAs();
    bool save(const Zrl_String& path);
    void chooseImage();
    void updateTitle();
    // Warns (text 870) and answers false when there is no picture.
    bool needPicture();
    void warn(int text);
    Zrl_String templateFolder() const;
    void changed(bool didChange) { modified_ = modified_ || didChange; }

    Zrl_DlgDesignerData data_;
    Zrl_String templatePath_;
    CResizer resizer_;
    CButtonST buttons_[8];
    CanvasScriptTarget canvasTarget_;
    int minWidth_ = 50;
    int minHeight_ = 50;
    bool modified_ = false;
};

// Runs the designer on the template at `pathOrName` (a path, or a template
// name under the root folder). True when it ended with OK.
ZRLSS_EXPORT bool StartDlgDesigner(const Zrl_String& pathOrName);
