// The core module's workshop-drawing settings: values kept by path, each a
// text or an integer, and an ordered list of named settings groups.
//
// A path is a list of keys; createPath(path, key) extends one by a key, and
// the root path has none. A value never set reads as "" (text) or 0
// (integer).
#pragma once

#include "platform/core/zrl_array.h"
#include "platform/core/zrl_stringarray.h"

#include <map>
#include <string>
#include <variant>

class WsUiSettingPath {
public:
    WsUiSettingPath() = default;
    WsUiSettingPath(const WsUiSettingPath&) = default;
    WsUiSettingPath& operator=(const WsUiSettingPath&) = default;
    virtual ~WsUiSettingPath() = default;

    static WsUiSettingPath root() { return {}; }
    // The keys joined by "\" ("" for the root).
    const Zrl_String& text() const { return text_; }
    bool isRoot() const { return text_.isEmpty(); }
    bool operator==(const WsUiSettingPath& other) const { return text_.equal(other.text_, true); }

private:
    friend WsUiSettingPath createPath(const WsUiSettingPath& path, const Zrl_String& key);
    Zrl_String text_;
};

WsUiSettingPath createPath(const WsUiSettingPath& path, const Zrl_String& key);

// A value: a text or an integer.
using WsUiSettingValue = std::variant<Zrl_String, int>;
// Values by path text, in path order.
using WsUiSettingValues = std::map<std::wstring, WsUiSettingValue>;

class WsUiSubGroupSettings {
public:
    WsUiSubGroupSettings() = default;
    explicit WsUiSubGroupSettings(const Zrl_String& name) : name_(name) {}
    WsUiSubGroupSettings(const WsUiSubGroupSettings&) = default;
    WsUiSubGroupSettings& operator=(const WsUiSubGroupSettings&) = default;
    virtual ~WsUiSubGroupSettings() = default;

    const Zrl_String& groupName() const { return name_; }
    void setGroupName(const Zrl_String& name) { name_ = name; }
    const WsUiSettingValues& values() const { return values_; }
    WsUiSettingValues& values() { return values_; }
    bool operator==(const WsUiSubGroupSettings& other) const;

private:
    Zrl_String name_;
    WsUiSettingValues values_;
};

class WsUiGlobalSettings {
public:
    WsUiGlobalSettings() = default;
    WsUiGlobalSettings(const WsUiGlobalSettings&) = default;
    WsUiGlobalSettings& operator=(const WsUiGlobalSettings&) = default;
    virtual ~WsUiGlobalSettings() = default;

    // The text under `path` ("" when none is set or the value is an integer).
    Zrl_String getSetting(const WsUiSettingPath& path) const;
    // The integer under `path` into `value` (0 when none is set or the value
    // is a text); true when an integer was set there.
    bool getSetting(const WsUiSettingPath& path, int& value) const;
    void setSetting(const WsUiSettingPath& path, const Zrl_String& value);
    void setSetting(const WsUiSettingPath& path, int value);

    // The groups' names in list order; `names` is replaced.
    void allGroupNames(Zrl_StringArray& names) const;
    void appendGroup(const WsUiSubGroupSettings& group) { groups_.append(group); }
    const Zrl_Array<WsUiSubGroupSettings>& groups() const { return groups_; }

    const WsUiSettingValues& values() const { return values_; }
    WsUiSettingValues& values() { return values_; }
    bool operator==(const WsUiGlobalSettings& other) const;

private:
    WsUiSettingValues values_;
    Zrl_Array<WsUiSubGroupSettings> groups_;
};
