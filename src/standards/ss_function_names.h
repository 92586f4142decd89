// The names of the functions the standards evaluation adds to the formula
// language, for tools that read a standards sheet without running it. The
// list standardsFunctions() registers is checked against this one.
#pragma once

inline constexpr const wchar_t* kStandardsFunctionNames[] = {
    L"ROUNDTO",
    L"GETCELL",
    L"GETPROFCELL",
    L"SECTIONSIZE",
    L"GETSYSNAME",
    L"STDWIDTHWITHTOLERANCE",
    L"STDTHICKNESSWITHTOLERANCE",
    L"STDSIZEWITHTOLERANCE",
    L"GETARRAYITEM",
    L"TONUMBER",
    L"ISNULL",
    L"ISPOSITIVE",
};
