#include "platform/core/ws_ui_settings.h"

WsUiSettingPath createPath(const WsUiSettingPath& path, const Zrl_String& key) {
    WsUiSettingPath out(path);
    if (!out.text_.isEmpty()) out.text_ += L'\\';
    out.text_ += key;
    return out;
}

bool WsUiSubGroupSettings::operator==(const WsUiSubGroupSettings& other) const {
    return name_.equal(other.name_, true) && values_ == other.values_;
}

Zrl_String WsUiGlobalSettings::getSetting(const WsUiSettingPath& path) const {
    const auto it = values_.find(path.text().str());
    if (it == values_.end()) return Zrl_String();
    const Zrl_String* text = std::get_if<Zrl_String>(&it->second);
    return text ? *text : Zrl_String();
}

bool WsUiGlobalSettings::getSetting(const WsUiSettingPath& path, int& value) const {
    value = 0;
    const auto it = values_.find(path.text().str());
    if (it == values_.end()) return false;
    const int* number = std::get_if<int>(&it->second);
    if (!number) return false;
    value = *number;
    return true;
}

void WsUiGlobalSettings::setSetting(const WsUiSettingPath& path, const Zrl_String& value) {
    values_[path.text().str()] = value;
}

void WsUiGlobalSettings::setSetting(const WsUiSettingPath& path, int value) {
    values_[path.text().str()] = value;
}

void WsUiGlobalSettings::allGroupNames(Zrl_StringArray& names) const {
    names.removeAll();
    for (const WsUiSubGroupSettings& group : groups_)
        names.append(group.groupName());
}

bool WsUiGlobalSettings::operator==(const WsUiGlobalSettings& other) const {
    if (values_ != other.values_ || groups_.length() != other.groups_.length()) return false;
    for (int i = 0; i < groups_.length(); ++i)
        if (!(groups_[i] == other.groups_[i])) return false;
    return true;
}
