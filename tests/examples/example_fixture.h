// Shared set-up of the example library's tests: the embedded library folder
// as the library, the standards diagnostics switched on (so that any
// equation of an example that fails shows up as a message box), and runs of
// a standard in both modes: from a list of values, and against a macro
// description of the library.
#pragma once

#include "evaluation/module_attach.h"
#include "platform/core/macro_description.h"
#include "platform/core/settings.h"
#include "platform/host/transactions.h"
#include "platform/win/script.h"
#include "standards/dlg_standards_data.h"
#include "standards/standards_eval.h"
#include "test_paths.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace examples {

inline const Zrl_String kLibrary = Zrl_String::fromUtf8(ZRLSS_EXAMPLE_LIBRARY);

// A variable of the caller's list: name, value text and type. The list
// pairs with the sheet's inputs and outputs by position, so its order is
// the order of the sheet's declarations.
struct Given {
    const wchar_t* name;
    const wchar_t* value;
    VkValueType type = VkValueDouble;
};

// The caller's outputs: every name starts empty; the ones in `texts` are
// String variables, the others Double.
inline std::vector<Given> outputsOf(std::initializer_list<const wchar_t*> names,
                                    std::initializer_list<std::wstring_view> texts = {}) {
    std::vector<Given> out;
    for (const wchar_t* name : names) {
        const bool text = std::find(texts.begin(), texts.end(), name) != texts.end();
        out.push_back({name, L"", text ? VkValueString : VkValueDouble});
    }
    return out;
}

// A name and the number it should have.
struct Expected {
    const wchar_t* name;
    double value;
};

using moduletest::attachModuleOnce;

class ExampleTest : public ::testing::Test {
protected:
    void SetUp() override {
        attachModuleOnce();
        Zrl_Settings::resetToDefaults();
        Zrl_Settings::setLibDir(kLibrary);
        curDocSettings().standardsDiagnostics = true;
        win::script().reset();
    }
    void TearDown() override {
        curDocSettings().standardsDiagnostics = false;
        Zrl_Settings::resetToDefaults();
    }

    // Every report the runs of a test raised, one text per message box.
    std::vector<std::wstring> reports() const {
        std::vector<std::wstring> out;
        for (const auto& box : win::script().shown().messageBoxes)
            out.push_back(box.text);
        return out;
    }

    // Mode 1: the sheet named `sheet` of the library with `inputs` and
    // `outputs` as the caller's list. The outputs come back by name.
    bool runList(const wchar_t* sheet, const std::vector<Given>& inputs,
                 const std::vector<Given>& outputs) {
        VkDlgStandardsData data;
        data.mode = 1;
        data.sheetFile = sheet;
        for (const Given& g : inputs)
            data.varCells.append(cell(g, VkCellInput));
        for (const Given& g : outputs)
            data.varCells.append(cell(g, VkCellOutput));
        if (!StartDlgStandardsSS(data)) return false;
        results_.clear();
        for (int i = 0; i < data.varCells.length(); ++i)
            results_.emplace_back(data.varCells[i].name.str(), data.varCells[i].value.str());
        return true;
    }

    // An output of the last list run as text ("" when the run had none).
    std::wstring text(const std::wstring& name) const {
        for (const auto& [n, v] : results_)
            if (n == name) return v;
        return L"";
    }
    // The same as a number; NaN when it does not read as one.
    double number(const std::wstring& name) const {
        const std::wstring t = text(name);
        try {
            size_t used = 0;
            const double d = std::stod(t, &used);
            return used == t.size() ? d : std::nan("");
        } catch (...) {
            return std::nan("");
        }
    }

    // Mode 0: the macro description `macroFile` of the library's "Macros"
    // folder, its text first changed by `edit` when given, is read into
    // macro_ and data_, and the sheet runs against it under the standards
    // key `key`, inside an open transaction.
    bool runMacro(const wchar_t* sheet, const wchar_t* macroFile, const wchar_t* key,
                  const std::function<void(std::string&)>& edit = {}) {
        std::ifstream in(std::filesystem::path(ZRLSS_EXAMPLE_LIBRARY) / "Macros" / macroFile);
        std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (edit) edit(json);
        if (parseMacroDescription(json, macro_, data_) != Acad::eOk) return false;
        VkDlgStandardsData data;
        if (data.initialize(&macro_, sheet, key, &data_) != Acad::eOk) return false;
        data.transaction = acdbTransactionManager()->startTransaction();
        const bool ok = StartDlgStandardsSS(data);
        acdbTransactionManager()->endTransaction();
        return ok;
    }

    // Each output of the last list run, each dialog variable of `module`
    // and each general variable compared with its expected number.
    void expectOutputs(std::initializer_list<Expected> expected) const {
        for (const Expected& e : expected)
            EXPECT_NEAR(number(e.name), e.value, 1e-6) << e.name;
    }
    void expectDialog(const wchar_t* module, std::initializer_list<Expected> expected) {
        for (const Expected& e : expected)
            EXPECT_NEAR(dialogValue(module, e.name), e.value, 1e-6) << e.name;
    }
    void expectGeneral(std::initializer_list<Expected> expected) const {
        for (const Expected& e : expected)
            EXPECT_NEAR(generalValue(e.name), e.value, 1e-6) << e.name;
    }

    double dialogValue(const wchar_t* module, const wchar_t* variable) {
        Zrl_String value;
        Zrl_MacroModule* m = macro_.macroWrite()->findModuleWrite(module);
        if (m == nullptr || m->getSetConstrVarValue(variable, value, true) != Acad::eOk)
            return std::nan("");
        return value.toDouble();
    }
    double generalValue(const wchar_t* name) const {
        double value = 0;
        return macro_.macroRead().getGenVarValue(name, value) == Acad::eOk ? value : std::nan("");
    }
    MacroTabData* tab(const wchar_t* name) {
        int index = -1;
        return data_.findTab(name, index) ? data_.getTab(index) : nullptr;
    }
    std::wstring boltCount(const wchar_t* tabName, const wchar_t* pattern, bool first) {
        Zrl_String value;
        MacroTabData* t = tab(tabName);
        if (t == nullptr || !t->getSetNrBolts(pattern, value, true, first)) return L"?";
        return value.str();
    }

    Zrl_DbMacro macro_;
    MacroData data_;

private:
    static VkVarCell cell(const Given& g, VkCellType kind) {
        VkVarCell v;
        v.name = g.name;
        v.cellType = kind;
        v.value = g.value;
        v.valueType = g.type;
        return v;
    }

    std::vector<std::pair<std::wstring, std::wstring>> results_;
};

} // namespace examples
