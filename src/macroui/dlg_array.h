// CDlgArray: an array of copies of the selected objects: the count of
// positions and the spacing (millimetres) along each of three directions,
// whether the first position is the original, and the array's title. The
// number of copies follows every change. OK refuses, with a message and the
// field in question focused, a count that is no whole number from 1 to
// 1000, more than 10000 positions in all, a spacing that is no number, and
// a spacing of 0 along a direction of more than one position (its copies
// would lie on top of each other).
#pragma once

#include "frame/export.h"
#include "macroui/dlg_array_ids.h"
#include "platform/core/dyn_array_data.h"
#include "platform/host/acarray.h"
#include "platform/host/object_id.h"
#include "platform/win/dialog.h"

#include <optional>

class CDlgArray : public win::Dialog {
public:
    explicit CDlgArray(win::Window* parent = nullptr);
    ~CDlgArray() override;

    static win::DialogTemplate dialogTemplate();
    DynArrayData& record() { return data_; }
    void takeArguments(const AcArray<AcDbObjectId>& objects, const Zrl_String& title);
    void giveArguments(const AcArray<AcDbObjectId>&, const Zrl_String&) const {}

    // A count as typed: a whole number from 1 to DynArrayData::kMaxCount.
    static std::optional<int> readCount(const Zrl_String& text);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;

private:
    void showTotal();
    // Reads the fields into `read`; false after telling the user what is
    // refused.
    bool readFields(DynArrayData& read);
    bool refuse(int field, int message);

    DynArrayData data_;
    int objectCount_ = 0;
    Zrl_String title_;
};

// Runs the dialog for `objects` with `title` as its caption (empty: the
// usual one); on OK the record is copied back and the result is true.
ZRLSS_EXPORT bool StartArrayDlg(DynArrayData& data, AcArray<AcDbObjectId> objects,
                                const Zrl_String& title);
