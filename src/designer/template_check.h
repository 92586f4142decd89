// The problems of a template file, one line each, for `zrlss template
// --check` and the template fuzz target: an unreadable file, a missing
// picture, unknown types, missing or non-finite coordinates, inverted or
// off-picture rectangles, more controls than the designer has identifiers,
// and named fields given twice.
//
// It works on the file's property list alone (what the model would read)
// and is inline so that the zrlss command, which loads the module rather
// than linking it, shares it.
#pragma once

#include "designer/control_type.h"
#include "platform/core/properties_list.h"

#include <cmath>
#include <string>
#include <unordered_set>
#include <vector>

namespace designer_check {

inline constexpr int kDesignerIdentifiers = 100;

inline std::string problemsAt(int index) {
    return "control " + std::to_string(index) + ": ";
}

// `list` null: the file could not be read as a template. `hasPicture`: a
// readable picture lies beside it.
inline std::vector<std::string> templateProblems(const Zrl_PropertiesList* list, bool hasPicture,
                                                 int maxControls) {
    std::vector<std::string> problems;
    if (!list) return {"unreadable: not a template file"};
    int count = 0;
    if (list->getProperty(L"nrOfControls", count) == Acad::eInvalidInput || count < 0 ||
        count > maxControls)
        return {"unreadable: the count of controls is not a number from 0 to " +
                std::to_string(maxControls)};
    // As the reader: a count is a bound on what the file holds, not a size to build.
    if (count > list->length())
        return {"unreadable: " + std::to_string(count) + " controls declared, " +
                std::to_string(list->length()) + " entries held"};
    if (!hasPicture) problems.push_back("no picture beside the template");
    if (count > kDesignerIdentifiers)
        problems.push_back("over " + std::to_string(kDesignerIdentifiers) + " controls: " +
                           std::to_string(count));
    // The edit controls' names seen so far, folded: names equal without
    // case are one name.
    std::unordered_set<std::wstring> names;
    static const wchar_t* const kCorners[4] = {L"topLeftX", L"topLeftY", L"bottomRightX",
                                               L"bottomRightY"};
    for (int i = 0; i < count; ++i) {
        const Zrl_String n(i);
        int type = 0;
        if (list->getProperty(Zrl_String(L"type") + n, type) == Acad::eOk &&
            (type < 0 || type >= kControlTypeCount))
            problems.push_back(problemsAt(i) + "unknown type " + std::to_string(type));
        double v[4] = {0, 0, 0, 0};
        bool complete = true;
        for (int c = 0; c < 4; ++c) {
            if (list->getProperty(Zrl_String(kCorners[c]) + n, v[c]) != Acad::eOk) {
                problems.push_back(problemsAt(i) + "missing " + Zrl_String(kCorners[c]).toUtf8());
                complete = false;
            } else if (!std::isfinite(v[c])) {
                problems.push_back(problemsAt(i) + "non-finite " +
                                   Zrl_String(kCorners[c]).toUtf8());
                complete = false;
            }
        }
        if (complete && (v[2] < v[0] || v[3] < v[1]))
            problems.push_back(problemsAt(i) + "inverted rectangle");
        else if (complete && (v[0] < 0 || v[1] < 0 || v[2] > 1 || v[3] > 1))
            problems.push_back(problemsAt(i) + "rectangle off the picture");
        Zrl_String contents;
        list->getProperty(Zrl_String(L"contents") + n, contents);
        if (type == ctEdit && !names.insert(contents.toLower().str()).second)
            problems.push_back("repeated name: " + contents.toUtf8());
    }
    return problems;
}

} // namespace designer_check
