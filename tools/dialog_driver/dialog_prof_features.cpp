// prof-features: the profile features dialog through its exported starter,
// with the drawing's levels.
#include "dialog_registry.h"
#include "dialogs/dlg_prof_features.h"
#include "platform/core/record_prof_features.h"
#include "platform/core/section_table_file.h"
#include "platform/core/section_tables.h"
#include "prof_tables.h"
#include "sections/prof_values_table.h"

namespace dialogs {

void LibraryTables::handOver() {
    for (const Zrl_String& name : sectionTableNames()) {
        Zrl_ProfValuesTable table;
        if (gSectionTables.hasTable(name) || !table.readFromFile(name)) continue;
        if (table.setToGlobals(&gSectionTables) == Acad::eOk) added_.push_back(name);
    }
}

LibraryTables::~LibraryTables() {
    for (const Zrl_String& name : added_)
        gSectionTables.removeTable(name);
}

namespace {

class ProfFeaturesSession : public DialogSession {
public:
    bool prepare(const std::string* json, const DialogOptions& options,
                 std::string& error) override {
        if (!refuseSheet(options, error)) return false;
        std::vector<VkLevel> drawing;
        if (json != nullptr && !readProfFeaturesJson(*json, data_, drawing, error)) return false;
        drawingLevels() = drawing;
        tables_.handOver();
        return true;
    }
    nlohmann::json start() override { return StartDlgProfFeatures(data_); }
    nlohmann::json record() const override {
        return nlohmann::json::parse(writeProfFeaturesJson(data_, drawingLevels()));
    }

private:
    DlgProfFeaturesData data_;
    LibraryTables tables_;
};

const DialogRegistrar registrar({"prof-features", "StartDlgProfFeatures",
                                 "a profile with its section, the levels it spans and "
                                 "further values whose labels the record gives",
                                 [] { return std::make_unique<ProfFeaturesSession>(); }});

} // namespace
} // namespace dialogs
