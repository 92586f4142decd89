// zrlssRunDialog and zrlssFreeReply: the driver's entry in libzrlss_dialogs.so.
#include "dialog_driver_api.h"
#include "dialog_run.h"

#include <cstdlib>
#include <cstring>

namespace {

using nlohmann::json;

json listReply() {
    json list = json::array();
    for (const dialogs::DialogEntry& e : dialogs::registeredDialogs())
        list.push_back({{"name", e.name}, {"starter", e.starter}, {"description", e.description}});
    return {{"dialogs", list}};
}

// An optional text field of the request.
bool optionalText(const json& request, const char* field, std::optional<std::string>& out) {
    const auto it = request.find(field);
    if (it == request.end() || it->is_null()) return true;
    if (!it->is_string()) return false;
    out = it->get<std::string>();
    return true;
}

int handle(const char* requestJson, json& reply) {
    const json request = json::parse(requestJson ? requestJson : "", nullptr, false);
    if (!request.is_object()) {
        reply = {{"status", 1}, {"message", "the request is not a JSON object"}};
        return 1;
    }
    if (request.value("list", false)) {
        reply = listReply();
        return 0;
    }
    dialogs::DialogRequest r;
    std::optional<std::string> name, sheet, base;
    if (!optionalText(request, "name", name) || !name ||
        !optionalText(request, "record", r.record) || !optionalText(request, "script", r.script) ||
        !optionalText(request, "sheet", sheet) || !optionalText(request, "base", base)) {
        reply = {{"status", 1}, {"message", "the request's fields are not texts"}};
        return 1;
    }
    std::optional<std::string> png, settings;
    if (!optionalText(request, "png", png) || !optionalText(request, "settings", settings)) {
        reply = {{"status", 1}, {"message", "the request's fields are not texts"}};
        return 1;
    }
    r.png = png.value_or("");
    r.settings = settings.value_or("");
    if (const auto scale = request.find("scale"); scale != request.end()) {
        if (!scale->is_number_integer()) {
            reply = {{"status", 1}, {"message", "--scale: a whole number from 1 to 4"}};
            return 1;
        }
        r.scale = scale->get<int>();
    }
    r.name = *name;
    r.options.sheet = sheet.value_or("");
    r.options.baseDir = base.value_or("");
    const dialogs::DialogRun run = dialogs::runDialog(r);
    reply = {{"status", run.status},
             {"message", run.message},
             {"result", run.result},
             {"record", run.record},
             {"shown", run.shown},
             {"faults", run.faults}};
    return run.status;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int zrlssRunDialog(const char* requestJson,
                                                                     char** replyJson) {
    json reply;
    int status = 1;
    try {
        status = handle(requestJson, reply);
    } catch (const std::exception& e) {
        reply = {{"status", 1}, {"message", e.what()}};
        status = 1;
    } catch (...) {
        reply = {{"status", 1}, {"message", "the dialog run failed"}};
        status = 1;
    }
    if (replyJson) {
        const std::string text = reply.dump(-1, ' ', false, json::error_handler_t::replace);
        *replyJson = static_cast<char*>(std::malloc(text.size() + 1));
        if (*replyJson) std::memcpy(*replyJson, text.c_str(), text.size() + 1);
    }
    return status;
}

extern "C" __attribute__((visibility("default"))) void zrlssFreeReply(char* replyJson) {
    std::free(replyJson);
}
