// Zrl_DesignerControl: one control of a designed dialog, its place on the
// background picture as fractions of the picture's size, its texts, and the
// properties it is kept under in a template file.
#pragma once

#include "designer/control_type.h"
#include "frame/export.h"
#include "platform/core/properties_list.h"
#include "platform/core/zrl_stringarray.h"

namespace win {
class Window;
class ComboBox;
class Button;
class Edit;
} // namespace win

class ZRLSS_EXPORT Zrl_DesignerControl {
public:
    Zrl_DesignerControl();
    virtual ~Zrl_DesignerControl();
    Zrl_DesignerControl(const Zrl_DesignerControl& other);
    Zrl_DesignerControl& operator=(const Zrl_DesignerControl& other);

    // Reads control `index` ("type" + index, ...) from the list; a missing
    // or unreadable property leaves the field as built, a non-finite
    // coordinate reads as 0.0.
    void getFromPropList(const Zrl_PropertiesList& list, int index);
    // Sets the seven stored properties of control `index`.
    void setToPropList(Zrl_PropertiesList& list, int index) const;

    // The list parts joined with ";" as the type keeps them.
    Zrl_String getMergedExtComboList() const;
    // Splits a list text into the parts the type keeps (extra parts dropped).
    bool setSplitExtComboList(const Zrl_String& text);

    // The lines of the file named by comboList, one item a line; `items`
    // unchanged when there is no such file. A relative name is looked up in
    // `templateFolder` (when given), then in the designer root folder.
    void getComboItemsFromFile(Zrl_StringArray& items,
                               const Zrl_String& templateFolder = Zrl_String()) const;

    // The control's window in `dlg` (by resourceId).
    bool getCtrlPtr(win::Window* dlg, win::Window*& window) const;
    win::ComboBox* getComboPtr(win::Window* dlg) const;
    win::Button* getButtonPtr(win::Window* dlg) const;
    win::Edit* getEditPtr(win::Window* dlg) const;

    Zrl_ControlType type = ctText;
    bool readOnly = false;
    int resourceId = 0;
    int tabOrder = 0;
    double topLeftX = 0.0;
    double topLeftY = 0.0;
    double bottomRightX = 0.0;
    double bottomRightY = 0.0;
    Zrl_String contents;
    Zrl_String comboList;
    Zrl_String flexGroup;
    Zrl_String flexField2;
    Zrl_String flexField3;
    Zrl_String flexField4;
    Zrl_String extField1;
    Zrl_String extField2;
    Zrl_String extField3;
    Zrl_String extField4;
    Zrl_StringArray comboItems;
};

// The keys of control `index` in a template's property list.
Zrl_String designerKey(const wchar_t* base, int index);
