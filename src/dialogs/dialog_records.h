// The records of the module's small input dialogs, exported so that the core
// module can fill them, call the dialog's starter and read the answer:
// structural grid, look-up, image choice, CIS/2 export options, and the
// record handed to the callback of the advanced profile dialog.
//
// Each copies all its fields in its copy constructor and assignment.
#pragma once

#include "frame/export.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/acarray.h"

class MacroData;

// A structural grid: two directions of grid lines, each a count, the
// spacing and the label of the first line.
class ZRLSS_EXPORT VkGridDlgData {
public:
    VkGridDlgData();
    VkGridDlgData(const VkGridDlgData&);
    VkGridDlgData& operator=(const VkGridDlgData&);
    virtual ~VkGridDlgData();
    bool operator==(const VkGridDlgData&) const = default;

    int count1 = 4;
    Zrl_String spacing1 = L"5000";
    Zrl_String label1 = L"A";
    int count2 = 3;
    Zrl_String spacing2 = L"5000";
    Zrl_String label2 = L"1";
    bool flag = false;
};

// A look-up in five lists: four texts in a group, a fifth with its match
// (choiceA) and the order of the results (choiceB), two options and how the
// dialog was left (closeMode 0 OK, 2 "Show All").
class ZRLSS_EXPORT VkLookUpDlgData {
public:
    VkLookUpDlgData();
    VkLookUpDlgData(const VkLookUpDlgData&);
    VkLookUpDlgData& operator=(const VkLookUpDlgData&);
    virtual ~VkLookUpDlgData();
    bool operator==(const VkLookUpDlgData&) const = default;

    Zrl_String text1;
    Zrl_StringArray items1;
    Zrl_String text2;
    Zrl_StringArray items2;
    Zrl_String text3;
    Zrl_StringArray items3;
    Zrl_String text4;
    Zrl_StringArray items4;
    int choiceA = 2;
    Zrl_String text5;
    Zrl_StringArray items5;
    int choiceB = 0;
    int option = 0;
    bool flag = false;
    int closeMode = 0;
};

// One picture chosen among image files (full paths); chosenName is the path
// of the picture chosen, as the list gave it.
class ZRLSS_EXPORT VkSelectImageDlgData {
public:
    VkSelectImageDlgData();
    VkSelectImageDlgData(const VkSelectImageDlgData&);
    VkSelectImageDlgData& operator=(const VkSelectImageDlgData&);
    virtual ~VkSelectImageDlgData();
    bool operator==(const VkSelectImageDlgData&) const = default;

    Zrl_String caption;
    Zrl_StringArray imageFiles;
    Zrl_String chosenName;
};

// The options of a CIS/2 export.
class ZRLSS_EXPORT VkDlgCis2Data {
public:
    VkDlgCis2Data();
    VkDlgCis2Data(const VkDlgCis2Data&);
    VkDlgCis2Data& operator=(const VkDlgCis2Data&);
    virtual ~VkDlgCis2Data();
    bool operator==(const VkDlgCis2Data&) const = default;

    bool optionA = true;
    bool optionB = true;
    bool optionC = false;
    bool optionD = false;
    bool optionE = false;
};

// What the advanced profile dialog's callback receives: a text, a pointer
// of the caller's that the record does not own, the record's own copy of
// the macro data (made by initDataClass), a second text and a list of
// integers. Copies are deep: each record owns its own macro data.
class ZRLSS_EXPORT VkMACallBackData {
public:
    VkMACallBackData();
    VkMACallBackData(const VkMACallBackData&);
    VkMACallBackData& operator=(const VkMACallBackData&);
    virtual ~VkMACallBackData();

    // Makes the record's copy of the macro data on first use, then assigns
    // `data` to it.
    void initDataClass(const MacroData& data);

    Zrl_String name;
    void* caller = nullptr;
    MacroData* macroData = nullptr;
    Zrl_String value;
    AcArray<int> indexes = AcArray<int>(0, 8); // grows by 8
};
