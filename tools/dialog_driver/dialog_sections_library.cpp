// section-library: the section library editor through its exported starter,
// on the library folder in use (--lib); the record's groups and types come
// back changed on OK.
#include "dialog_registry.h"
#include "platform/core/record_section_library.h"
#include "sections/dlg_edit_lib_sections.h"

namespace dialogs {
namespace {

class SectionLibrarySession : public DialogSession {
public:
    bool prepare(const std::string* json, const DialogOptions& options,
                 std::string& error) override {
        if (!refuseSheet(options, error)) return false;
        return json == nullptr || readSectionLibraryJson(*json, record_, error);
    }
    nlohmann::json start() override { return StartDlgEditLibSections(record_.data, record_.open); }
    nlohmann::json record() const override {
        return nlohmann::json::parse(writeSectionLibraryJson(record_));
    }

private:
    SectionLibraryRecord record_;
};

const DialogRegistrar registrar({"section-library", "StartDlgEditLibSections",
                                 "the section library: groups, types and the section tables "
                                 "of the library folder",
                                 [] { return std::make_unique<SectionLibrarySession>(); }});

} // namespace
} // namespace dialogs
