// The core's profile chooser: a modal list of every section the section
// tables know (family + "-" + size: "HEA-200") and, when asked, the
// drawings of the library's "User Sections\" folder as full paths; the
// user chooses one.
//
// Scripts address the chooser as `dialog select-prof`: list 1001 holds the
// names, OK takes the chosen one.
#pragma once

#include "platform/core/zrl_string.h"

namespace win {
class Window;
}

class DlgSelectProfData {
public:
    DlgSelectProfData() = default;
    DlgSelectProfData(const DlgSelectProfData&) = default;
    DlgSelectProfData& operator=(const DlgSelectProfData&) = default;
    virtual ~DlgSelectProfData() = default;

    // The name the chooser starts on; it need not be among the names
    // offered (nothing is chosen then).
    void setInitialUnknownName(const Zrl_String& name) { initialName_ = name; }
    const Zrl_String& initialName() const { return initialName_; }

    bool withUserSections = false; // also offer the user sections' drawings
    Zrl_String profName;           // the chosen name, set on OK

private:
    Zrl_String initialName_;
};

inline constexpr int kSelectProfTemplate = 30903;
inline constexpr int kSelectProfList = 1001;

// The folder of the user sections' drawings: libDir() + "User Sections\".
Zrl_String userSectionFolder();

// Runs the chooser; true, with `data.profName` set, when the user chose a
// name and pressed OK.
bool DlgSelectProf(DlgSelectProfData& data, win::Window* parent = nullptr);
