// Zrl_ListOutputCallback: the interface through which the core feeds a bill
// or list, row by row, to an output (a sheet, a text file, a printer). The
// base answers every call with success and does nothing; outputs override
// what they need.
#pragma once

#include "platform/core/zrl_stringarray.h"
#include "platform/host/acadstatus.h"

class Zrl_ListOutputCallback {
public:
    Zrl_ListOutputCallback() = default;
    Zrl_ListOutputCallback(const Zrl_ListOutputCallback&) = default;
    Zrl_ListOutputCallback& operator=(const Zrl_ListOutputCallback&) = default;
    virtual ~Zrl_ListOutputCallback() = default;

    virtual Acad::ErrorStatus onStartFeed() { return Acad::eOk; }
    virtual Acad::ErrorStatus onEndFeed() { return Acad::eOk; }
    virtual Acad::ErrorStatus onNewPage() { return Acad::eOk; }
    virtual Acad::ErrorStatus onAddRow(const Zrl_StringArray& cells) {
        (void)cells;
        return Acad::eOk;
    }
    // `cells` the subtotal row; `labels`, `grand` and `level` describe it
    // further for outputs that lay subtotals out themselves.
    virtual Acad::ErrorStatus onAddSubTotals(const Zrl_StringArray& cells,
                                             const Zrl_StringArray& labels, bool grand, int level) {
        (void)cells;
        (void)labels;
        (void)grand;
        (void)level;
        return Acad::eOk;
    }
    virtual Acad::ErrorStatus onAddSeperation(int kind) {
        (void)kind;
        return Acad::eOk;
    }
};
