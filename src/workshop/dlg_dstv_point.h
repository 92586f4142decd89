// CDlgDstvPoint: the editor of one DSTV point group. It holds a copy of the
// group's points and the index of the current point (-1 when there is
// none); the fields show the current point, and every switch, add and OK
// first stores the fields back into it. OK leaves the edited list in
// record(); Cancel leaves the caller's list alone.
#pragma once

#include "platform/core/dstv_point_info.h"
#include "platform/win/dialog.h"

class CDlgDstvPoint : public win::Dialog {
public:
    explicit CDlgDstvPoint(win::Window* parent = nullptr);
    ~CDlgDstvPoint() override;

    static win::DialogTemplate dialogTemplate();

    Zrl_DstvPointList& record() { return points_; }
    int current() const { return current_; }

    // A number typed into a field: the number at the start of the text,
    // 0 for text that does not start with one or for a number that is not
    // finite ("abc", "inf", "nan", "1e999"), so nothing unreadable is kept.
    static double fieldNumber(const Zrl_String& text);
    // The side the other list moves to when a side of the same pair is
    // chosen (0 and 1 are one pair, 2 and 3 the other); `other` itself when
    // the two are in different pairs.
    static int keepSidesApart(int chosen, int other);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;

private:
    void fillList();
    void loadPoint();
    void storePoint();
    void select(int index);
    void applyEnabling();
    void addPoint();
    void removePoint();

    Zrl_DstvPointList points_;
    int current_ = -1;
};
