// The constructors, destructors and assignments of the designer's exported
// classes. The module exports them; a host that reaches the module only
// through dlopen (the zrlss command) compiles this file into itself instead
// of linking the module.
#include "designer/control_rect.h"
#include "designer/control_tracker.h"
#include "designer/dlg_designer_data.h"

Zrl_DesignerControl::Zrl_DesignerControl() = default;
Zrl_DesignerControl::~Zrl_DesignerControl() = default;
Zrl_DesignerControl::Zrl_DesignerControl(const Zrl_DesignerControl& other) = default;
Zrl_DesignerControl& Zrl_DesignerControl::operator=(const Zrl_DesignerControl& other) = default;

Zrl_DlgDesignerData::Zrl_DlgDesignerData() = default;

// The drawn windows and the tracker go with the model. They are deleted as
// trackers (their virtual destructors do the rest), so that this file needs
// no more of them than the core's tracker.
Zrl_DlgDesignerData::~Zrl_DlgDesignerData() {
    for (CRectTracker* drawn : drawnControls)
        delete drawn;
    drawnControls.clear();
    delete static_cast<CRectTracker*>(tracker);
    tracker = nullptr;
    flexIcon = 0;
}

// A model owns windows and a tracker bound to one dialog: a copy starts
// empty, and assignment keeps the target as it is.
Zrl_DlgDesignerData::Zrl_DlgDesignerData(const Zrl_DlgDesignerData&) : Zrl_DlgDesignerData() {}

Zrl_DlgDesignerData& Zrl_DlgDesignerData::operator=(const Zrl_DlgDesignerData&) {
    return *this;
}
