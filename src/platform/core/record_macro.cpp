#include "platform/core/record_macro.h"

#include "platform/core/macro_description.h"

#include <climits>
#include <cstdint>
#include <nlohmann/json.hpp>

using nlohmann::json;

namespace {

// An object id: an integer of 32 bits, as the description's ids.
bool isId(const json& value) {
    if (!value.is_number_integer()) return false;
    if (value.is_number_unsigned()) return value.get<std::uint64_t>() <= std::uint64_t(INT_MAX);
    const std::int64_t v = value.get<std::int64_t>();
    return v >= INT_MIN && v <= INT_MAX;
}

// The tabs of a drawn macro, read with the description's tab reader.
bool readTabs(const json& tabs, Zrl_Array<MacroTabData>& out, std::string& error) {
    const json holder = {{"dialog", {{"tabs", tabs}}}};
    Zrl_DbMacro unused;
    MacroData data;
    Zrl_String why;
    if (parseMacroDescription(holder.dump(), unused, data, &why) != Acad::eOk) {
        error = "dialog.drawing: " + why.toUtf8();
        return false;
    }
    out = data.tabs;
    return true;
}

bool readDrawing(const json& dialog, Zrl_MacroDrawing& drawing, std::string& error) {
    auto macros = dialog.find("drawing");
    if (macros != dialog.end()) {
        if (!macros->is_array()) return (error = "dialog.drawing: expected a list", false);
        for (size_t i = 0; i < macros->size(); ++i) {
            const json& m = (*macros)[i];
            const std::string where = "dialog.drawing[" + std::to_string(i) + "]";
            if (!m.is_object() || !m.contains("id") || !isId(m["id"]))
                return (error = where + ": expected an object with an integer \"id\" of 32 bits",
                        false);
            Zrl_DrawnMacro drawn;
            drawn.id = AcDbObjectId(m["id"].get<std::int64_t>());
            if (m.contains("name")) {
                if (!m["name"].is_string()) return (error = where + ".name: expected a text", false);
                drawn.name = Zrl_String::fromUtf8(m["name"].get<std::string>());
            }
            if (m.contains("locked")) {
                if (!m["locked"].is_boolean())
                    return (error = where + ".locked: expected true or false", false);
                drawn.locked = m["locked"].get<bool>();
            }
            if (m.contains("tabs") && !readTabs(m["tabs"], drawn.tabs, error)) return false;
            drawing.macros.append(drawn);
        }
    }
    auto previous = dialog.find("previousSelection");
    if (previous != dialog.end()) {
        if (!previous->is_array())
            return (error = "dialog.previousSelection: expected a list", false);
        for (const json& id : *previous) {
            if (!isId(id))
                return (error = "dialog.previousSelection: expected integers of 32 bits", false);
            drawing.previousSelection.append(AcDbObjectId(id.get<std::int64_t>()));
        }
    }
    return true;
}

} // namespace

bool readMacroDialogJson(std::string_view text, Zrl_DbMacro& macro, MacroData& data,
                         Zrl_MacroDrawing& drawing, std::string& error) {
    Zrl_DbMacro newMacro;
    MacroData newData;
    Zrl_String why;
    if (parseMacroDescription(text, newMacro, newData, &why) != Acad::eOk) {
        error = why.toUtf8();
        return false;
    }
    Zrl_MacroDrawing newDrawing;
    const json root = json::parse(text, nullptr, false);
    if (root.is_object() && root.contains("dialog") &&
        !readDrawing(root["dialog"], newDrawing, error))
        return false;
    if (newData.objectIds.isEmpty()) newData.objectIds.append(AcDbObjectId(1));
    // A record written back lists the described macro in its drawing already.
    if (!newDrawing.find(newData.objectIds[0])) {
        Zrl_DrawnMacro self;
        self.id = newData.objectIds[0];
        self.name = newMacro.macroRead().name;
        self.tabs = newData.tabs;
        newDrawing.macros.insertAt(0, self);
    }
    macro = newMacro;
    drawing = newDrawing;
    data = newData;
    if (data.firstFilter.items.isEmpty()) {
        // The filters come from the drawing: it must be the one in use.
        Zrl_MacroDrawing keep = gMacroDrawing;
        gMacroDrawing = drawing;
        UpdateAllFilterModified(data, true);
        gMacroDrawing = keep;
    }
    return true;
}

std::string writeMacroDialogJson(const Zrl_DbMacro& macro, const MacroData& data,
                                 const Zrl_MacroDrawing& drawing) {
    json root = json::parse(macroDescriptionText(macro, data));
    json macros = json::array();
    for (const Zrl_DrawnMacro& m : drawing.macros) {
        MacroData tabs;
        tabs.tabs = m.tabs;
        const json described = json::parse(macroDescriptionText(Zrl_DbMacro(), tabs));
        json entry = {{"id", m.id.asOldId()},
                      {"name", m.name.toUtf8()},
                      {"tabs", described["dialog"]["tabs"]}};
        if (m.locked) entry["locked"] = true;
        macros.push_back(entry);
    }
    root["dialog"]["drawing"] = macros;
    json previous = json::array();
    for (const AcDbObjectId& id : drawing.previousSelection)
        previous.push_back(id.asOldId());
    root["dialog"]["previousSelection"] = previous;
    return root.dump(2) + "\n";
}
