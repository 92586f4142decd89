// The template check's repeated names: edit controls whose names are equal
// without case, each later one reported once, in file order.
#include "designer/template_check.h"

#include <gtest/gtest.h>

namespace {

TEST(TemplateCheck, RepeatedEditNamesIgnoreCaseAndOtherKinds) {
    const struct {
        int type;
        const wchar_t* name;
    } controls[] = {{ctEdit, L"Width"}, {ctEdit, L"WIDTH"},   {0, L"Width"},
                    {ctEdit, L"Höhe"},  {ctEdit, L"width"},   {ctEdit, L"HÖHE"},
                    {ctEdit, L"Depth"}, {ctCombo, L"Depth"}};
    Zrl_PropertiesList list;
    list.setProperty(L"nrOfControls", static_cast<int>(std::size(controls)));
    for (int i = 0; i < static_cast<int>(std::size(controls)); ++i) {
        const Zrl_String n(i);
        list.setProperty(Zrl_String(L"type") + n, controls[i].type);
        for (const wchar_t* corner : {L"topLeftX", L"topLeftY", L"bottomRightX", L"bottomRightY"})
            list.setProperty(Zrl_String(corner) + n, 0.5);
        list.setProperty(Zrl_String(L"contents") + n, controls[i].name);
    }
    EXPECT_EQ(designer_check::templateProblems(&list, true, 1000),
              (std::vector<std::string>{"repeated name: WIDTH", "repeated name: width",
                                        "repeated name: HÖHE"}));
}

} // namespace
