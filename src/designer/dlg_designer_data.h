// Zrl_DlgDesignerData: one designed dialog — a background picture with
// controls placed on it — with its template file, its layout operations and
// its binding to a dialog window.
//
// Coordinates are kept as fractions of the picture's size, so a template
// keeps its layout when its picture is replaced by one of another size.
// Pixels are derived from the picture whenever controls are drawn. Without a
// picture there are no pixels: layout operations then refuse and change
// nothing, and the stored fractions stay as they are.
//
// The model serves two modes, chosen by initialize: design mode (inside the
// designer: controls are drawn disabled and are selected, moved and sized
// with the tracker) and run mode (inside the core's own dialog: controls are
// live, values are read and written, the tab order is computed).
//
// A model is used in place: copying one gives an empty model, and assigning
// leaves the target as it was.
#pragma once

#include "designer/designer_control.h"
#include "frame/export.h"
#include "platform/core/zrl_array.h"
#include "platform/win/bitmap.h"
#include "platform/win/window.h"

#include <map>
#include <optional>
#include <vector>

class CControlRect;
class CControlTracker;

// The outcome of handleTabKey.
enum Zrl_TabMsgHandle : std::int32_t {
    tabMoved = 0,      // the focus moved to another designed control
    tabNotHandled = 1, // not Tab, not attached, nothing editable, focus elsewhere
    tabPastLast = 2,   // Tab on the last control in tab order
    tabBeforeFirst = 3 // Shift+Tab on the first control
};

class ZRLSS_EXPORT Zrl_DlgDesignerData {
public:
    Zrl_DlgDesignerData();
    virtual ~Zrl_DlgDesignerData();
    Zrl_DlgDesignerData(const Zrl_DlgDesignerData& other);
    Zrl_DlgDesignerData& operator=(const Zrl_DlgDesignerData& other);

    // --- the model ---------------------------------------------------------
    // Appends a copy with the lowest free identifier of the range; returns
    // the identifier, 0 when the range is full (the copy then holds 0).
    int append(const Zrl_DesignerControl& control);
    int getNrControls() const { return controls.length(); }
    const Zrl_DesignerControl* getControl(int index) const;
    Zrl_DesignerControl* getControlWrite(int index);
    // The control with this identifier; none for 0.
    Zrl_DesignerControl* getControlFromRes(int resourceId);
    bool findCtrlFromResource(int resourceId, int& index) const;
    void removeControl(int index);
    // The contents of every type 2 control, in list order.
    void getAllCtrlNames(Zrl_StringArray& names) const;
    // First control of type 2 or 3 whose contents equal `text` without case.
    bool findEditCtrlWithContents(const Zrl_String& text, int& index) const;
    void getImageSize(int& width, int& height) const;
    bool hasImage() const { return imageWidth > 0 && imageHeight > 0; }

    // --- the template file -------------------------------------------------
    bool getNameFromFile(const Zrl_String& path, Zrl_String& templateName) const;
    // Reads the template at `path` (and its picture beside it when
    // `withImage`). False, model unchanged, when the file is missing, lies
    // outside the root folder, cannot be read, or counts more than 100,000
    // controls. A template without a count reads as an empty dialog.
    bool readFromFile(const Zrl_String& path, bool withImage);
    // Writes the template to `path` (under the root folder), taking the
    // picture of the old name along to the new one. True when written; on
    // failure the name stays and nothing is replaced.
    bool writeToFile(const Zrl_String& path);
    // Loads the picture; false (nothing changed) when it cannot be read.
    bool attachBitmap(const Zrl_String& path);
    // Forgets the picture (a template read without one).
    void detachBitmap();

    // --- conversions and pixel accessors (0 without a picture) --------------
    double factorToPixels(bool horizontal, double factor) const;
    double pixelsToFactor(bool horizontal, double pixels) const;
    int getTopLeftX(const Zrl_DesignerControl& c) const;
    int getTopLeftY(const Zrl_DesignerControl& c) const;
    int getBottomRightX(const Zrl_DesignerControl& c) const;
    int getBottomRightY(const Zrl_DesignerControl& c) const;
    void setTopLeftX(Zrl_DesignerControl& c, double pixels) const;
    void setTopLeftY(Zrl_DesignerControl& c, double pixels) const;
    void setBottomRightX(Zrl_DesignerControl& c, double pixels) const;
    void setBottomRightY(Zrl_DesignerControl& c, double pixels) const;
    int getWidth(const Zrl_DesignerControl& c) const;
    int getHeight(const Zrl_DesignerControl& c) const;
    void setWidth(Zrl_DesignerControl& c, double pixels) const;
    void setHeight(Zrl_DesignerControl& c, double pixels) const;
    win::Rect pixelRect(const Zrl_DesignerControl& c) const;

    // --- layout on the selection --------------------------------------------
    bool addNewControl(Zrl_ControlType type);
    bool copyCurCtrls();
    bool removeCurControls();
    // Asks for the new width or height of the selected controls.
    bool changeCtrlSize(bool horizontal);
    bool changeCtrlSize(int index, bool horizontal, double pixels);
    bool outlineCurCtrls();
    bool stickRightCurCtrls();
    void selectCtrls(const AcArray<int>& resourceIds);
    bool findMostLeftCtrl(const AcArray<int>& resourceIds, int& index) const;
    void getSizeFromAllControls();
    bool getSizeFromControl(int index);
    void printPositions() const;
    // The identifiers of the selected controls, in selection order.
    void getCurSelIds(AcArray<int>& resourceIds) const;

    // --- drawing -------------------------------------------------------------
    bool drawControl(Zrl_DesignerControl& control);
    void redrawAllControls();
    void removeAllDrawnCtrls();
    bool removeDrawnCtrlOnly(int resourceId);
    bool findDrawnCtrlFromResource(int resourceId, int& index, CControlRect*& drawn) const;
    void FillDesCombo(win::Window* dlg, Zrl_DesignerControl& control) const;

    // --- tab order and focus (run mode) ----------------------------------------
    void sortAllControls();
    void sortNextRow(AcArray<int>& pending, int& counter);
    bool findCtrlWithTabOrder(int order, int& index) const;
    bool containsEditableCtrls() const;
    bool handleTabKey(int key, Zrl_TabMsgHandle& outcome);
    bool setFocusToCtrl(int index);
    bool setFocusToCtrl(bool first);
    bool getFocusedDynControl(int& resourceId) const;

    // --- values by identifier --------------------------------------------------
    bool getCtrlValue(int resourceId, Zrl_String& value);
    bool setCtrlValue(int resourceId, const Zrl_String& value);
    bool setCtrlReadOnly(int resourceId, bool readOnlyState);
    bool isADynControl(int resourceId) const;
    bool getDynControlType(int resourceId, Zrl_ControlType& controlType) const;
    bool isTypeBoltCount(int resourceId) const;
    bool getComboValue(Zrl_DesignerControl& control, Zrl_String& value);
    bool setComboValue(Zrl_DesignerControl& control, const Zrl_String& value);
    bool getCheckValue(Zrl_DesignerControl& control, Zrl_String& value);
    bool setCheckValue(Zrl_DesignerControl& control, const Zrl_String& value);
    bool getSetComboValue(bool get, Zrl_DesignerControl& control, Zrl_String& value);
    bool getSetCheckValue(bool get, Zrl_DesignerControl& control, Zrl_String& value);
    bool setBtnIcon(Zrl_DesignerControl& control, int iconId);

    // --- flex buttons (type 30) -------------------------------------------------
    bool getFlexBtnsInGroup(const Zrl_String& group, AcArray<int>& all,
                            AcArray<int>& withThirdPart) const;
    void getFlexBtnsGroups(Zrl_StringArray& groups) const;
    bool findFlexButton(const Zrl_String& group, const Zrl_String& contents, int& index) const;
    bool getAllFlexVarsOfGroup(const Zrl_String& group, Zrl_StringArray& contentsList) const;
    bool getFlexBtnGroupName(int resourceId, Zrl_String& group, Zrl_String& contents) const;
    bool getSetFlexBtnStatus(bool set, int index, int& status);
    bool getFlexBtnStatus(int index, int& status);
    bool setFlexBtnStatus(const Zrl_String& group, const Zrl_String& contents, int status);
    bool hideAllFlexBtns(const Zrl_String& group);

    // --- binding to a dialog and the canvas -------------------------------------
    bool initialize(win::Window* dlg, int firstId, int lastId, int typeListId,
                    int contentsCaptionId, int contentsFieldId, int listCaptionId,
                    int listFieldId, bool inDesignMode);
    win::Window* getDlgPtr() const;
    void OnLButtonDown(win::WPARAM flags, win::Point point);
    bool OnSetCursor(win::Point point);
    // Draws the outlines and handles of the selected controls.
    void OnPaint(win::Bitmap& canvas) const;
    // Draws the background (button face in design mode) and the picture with
    // white transparent.
    int OnEraseBkgnd(win::Bitmap& canvas) const;
    int getCurSel() const;
    void updatePropsOfCurSel();
    void updateProps(int index);
    void readProps(int index);
    // A panel field changed; true when the model changed.
    bool propsOfCurSelUpdated();

    bool attached = false;
    bool updatingProps = false;
    win::WindowHandle dlgHandle = 0;
    int flexIcon = 0; // the icon resource shown on flex buttons, once loaded
    std::vector<CControlRect*> drawnControls;
    // While all controls are redrawn: each list file's items, read once for
    // all the controls that name it (looking a file up costs folder scans).
    mutable std::optional<std::map<Zrl_String, Zrl_StringArray>> redrawLists;
    CControlTracker* tracker = nullptr;
    win::Bitmap image;
    win::Bitmap mask;
    int imageWidth = 0;
    int imageHeight = 0;
    int firstResourceId = 33000;
    int lastResourceId = 33099;
    bool designMode = false;
    int panelIds[5] = {0, 0, 0, 0, 0};
    Zrl_String name;
    Zrl_Array<Zrl_DesignerControl> controls;

private:
    bool windowsReady() const;
    void reselect(const AcArray<int>& resourceIds);
};

// The most controls a template may count (more is taken as a damaged file).
inline constexpr int kMaxTemplateControls = 100000;

// The text scale of the module (large fonts): multi-line edits grow with it
// in run mode. 1.0 until the macro dialog sets it.
ZRLSS_EXPORT double designerTextScale();
ZRLSS_EXPORT void setDesignerTextScale(double scale);
