// CMacroTabProf: the page of a profile tab. Grid 1196 holds a row per
// profile group (Group, Name, Section, Material, Rotation); the controls
// below it edit the selected row like its cells: 1215 the name, 1221 the
// section (1212 and 1213 pick a family and a section of the section tables
// into it), 1219 the material, 1316 the rotation. A section must be one of
// the section tables (kept under its user name), a rotation a number from 0
// to 360. Buttons 1114, 1210, 1222 and 1223 open the core's detail dialogs.
#pragma once

#include "macroui/macro_page_grid.h"
#include "platform/host/object_id.h"

class CMacroTabProf : public CMacroGridPage {
public:
    static constexpr int kColGroup = 1;
    static constexpr int kColName = 2;
    static constexpr int kColSection = 3;
    static constexpr int kColMaterial = 4;
    static constexpr int kColRotation = 5;

    CMacroTabProf(MacroPageHost& host, int tabIndex);
    ~CMacroTabProf() override;

    static win::DialogTemplate dialogTemplate();

    void refresh(const MacroTabData& tab) override;
    void readBack(MacroTabData& tab) override;

    // The one selected object, when the record describes a single profile.
    void setSingleObject(const AcDbObjectId& id) {
        singleObject_ = id;
        isSingle_ = true;
    }
    bool isSingleObject() const { return isSingle_; }
    // The row the controls edit (from 1); 0 when the tab has no groups.
    int selectedRow();

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    bool onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) override;

private:
    void fillRowControls();
    // Checks a text for a column; the text to keep, false when refused.
    static bool acceptText(int col, const Zrl_String& text, Zrl_String& kept);
    // Writes a column of a row into the page's tab and applies it; false
    // (nothing changed) when refused.
    bool editRow(int row, int col, const Zrl_String& text);
    void controlEdited(int id);
    void familyChosen();
    void sizeChosen();

    AcDbObjectId singleObject_;
    bool isSingle_ = false;
};
