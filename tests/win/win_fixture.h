// Shared fixture of the windowing tests: a clean scripted user and a test
// module with a few dialog templates.
#pragma once

#include "platform/win/win.h"

#include <gtest/gtest.h>

namespace wintest {

enum : int {
    IDD_SAMPLE = 100,
    IDD_INNER = 101,
    IDC_NAME = 1001,
    IDC_KIND = 1002,
    IDC_FLAG = 1003,
    IDC_TRI = 1004,
    IDC_RADIO_A = 1005,
    IDC_RADIO_B = 1006,
    IDC_RADIO_C = 1007,
    IDC_RADIO_D = 1008,
    IDC_LIST = 1009,
    IDC_TABS = 1010,
    IDC_GRID = 1011,
    IDC_OPEN_INNER = 1012,
    IDC_PLAIN_CHECK = 1013,
    IDC_EDITABLE = 1014,
    IDC_GALLERY = 1015,
};

inline win::ModuleHandle testModule() {
    static const win::ModuleHandle module = [] {
        using namespace win;
        using enum ControlKind;
        const ModuleHandle m = registerModule(L"wintest");
        DialogTemplate sample;
        sample.id = IDD_SAMPLE;
        sample.width = 200;
        sample.height = 120;
        sample.caption = L"Sample";
        sample.controls = {
            {IDC_NAME, Edit, {5, 5, 100, 17}, WS_TABSTOP, L""},
            {IDC_KIND, ComboBox, {5, 20, 100, 80}, CBS_DROPDOWNLIST | CBS_SORT, L""},
            {IDC_EDITABLE, ComboBox, {5, 35, 100, 95}, CBS_DROPDOWN, L""},
            {IDC_FLAG, Button, {110, 5, 190, 15}, BS_AUTOCHECKBOX, L"Flag"},
            {IDC_TRI, Button, {110, 20, 190, 30}, BS_AUTO3STATE, L"Tri"},
            {IDC_PLAIN_CHECK, Button, {110, 35, 190, 45}, BS_CHECKBOX, L"Plain"},
            {IDC_RADIO_A, Button, {110, 50, 190, 60}, BS_AUTORADIOBUTTON | WS_GROUP, L"A"},
            {IDC_RADIO_B, Button, {110, 60, 190, 70}, BS_AUTORADIOBUTTON, L"B"},
            {IDC_RADIO_C, Button, {110, 70, 190, 80}, BS_AUTORADIOBUTTON | WS_GROUP, L"C"},
            {IDC_RADIO_D, Button, {110, 80, 190, 90}, BS_AUTORADIOBUTTON, L"D"},
            {IDC_LIST, ListBox, {5, 50, 100, 90}, LBS_MULTIPLESEL, L""},
            {IDC_TABS, TabControl, {5, 92, 100, 100}, 0, L""},
            {IDC_GALLERY, ListView, {5, 100, 100, 110}, LVS_SINGLESEL, L""},
            {IDC_GRID, Placeholder, {110, 92, 190, 110}, 0, L""},
            {IDC_OPEN_INNER, Button, {5, 110, 50, 118}, BS_PUSHBUTTON, L"Inner"},
            {IDOK, Button, {140, 102, 165, 116}, BS_DEFPUSHBUTTON | WS_TABSTOP, L"OK"},
            {IDCANCEL, Button, {170, 102, 195, 116}, BS_PUSHBUTTON, L"Cancel"},
        };
        registerTemplate(m, sample);
        DialogTemplate inner;
        inner.id = L"IDD_INNER";
        inner.width = 80;
        inner.height = 40;
        inner.caption = L"Inner";
        inner.controls = {
            {IDC_NAME, Edit, {5, 5, 70, 17}, WS_TABSTOP, L""},
            {IDOK, Button, {5, 20, 35, 34}, BS_DEFPUSHBUTTON, L"OK"},
        };
        registerTemplate(m, inner);
        return m;
    }();
    return module;
}

class WinTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::script().reset();
        testModule();
    }
    void TearDown() override { win::script().reset(); }
};

} // namespace wintest
