// The host's system registry: named service objects that an application
// module looks up by name and checks for their type before use.
//
//   "DynamicLinker"            AcRxDynamicLinker: loaded applications, their
//                              lock and their several-drawings registration.
//   "ACAD_REGISTERED_COMMANDS" AcEdCommandStack: commands in named groups.
//
// Names of commands and groups compare without regard to case, as the host's
// command line does.
#pragma once

#include "platform/host/acadstatus.h"
#include "platform/host/host_api.h"

#include <map>
#include <string>
#include <vector>

// The base of every object in the system registry.
class ZRLHOST_API AcRxObject {
public:
    virtual ~AcRxObject() = default;
    // The class's name, e.g. L"AcRxDynamicLinker".
    virtual const wchar_t* className() const = 0;
};

class ZRLHOST_API AcRxDynamicLinker : public AcRxObject {
public:
    // The object itself when it is a dynamic linker, else null.
    static AcRxDynamicLinker* cast(AcRxObject* object);
    const wchar_t* className() const override { return L"AcRxDynamicLinker"; }

    // Loaded applications start locked: the host will not unload them until
    // they unlock themselves. False for an application the host does not know.
    bool unlockApplication(void* appId) const;
    bool lockApplication(void* appId) const;
    bool isApplicationLocked(const void* appId) const;
    // Declares that the application works with several open drawings at once.
    bool registerAppMDIAware(void* appId) const;
    bool isAppMDIAware(const void* appId) const;

    // The host's side: an application joins when it is loaded (locked, not
    // several-drawings aware) and leaves when it is unloaded.
    void addApplication(void* appId, const std::wstring& name);
    void removeApplication(const void* appId);
    bool knowsApplication(const void* appId) const;
    void clear();

private:
    struct App {
        std::wstring name;
        bool locked = true;
        bool mdiAware = false;
    };
    mutable std::map<const void*, App> apps_;
};

// A registered command: called when the user types its name.
using AcRxFunctionPtr = void (*)();

class ZRLHOST_API AcEdCommandStack : public AcRxObject {
public:
    static AcEdCommandStack* cast(AcRxObject* object);
    const wchar_t* className() const override { return L"AcEdCommandStack"; }

    // Adds a command to a group (the group is made when missing).
    // eInvalidInput for a null or empty name or a null function,
    // eDuplicateKey when a command of that global name exists in any group.
    ErrorStatus addCommand(const wchar_t* groupName, const wchar_t* globalName,
                           const wchar_t* localName, int flags, AcRxFunctionPtr function);
    // eKeyNotFound when the group or the command does not exist.
    ErrorStatus removeCmd(const wchar_t* groupName, const wchar_t* globalName);
    // Removes a group with all its commands; eKeyNotFound when there is none.
    ErrorStatus removeGroup(const wchar_t* groupName);

    bool hasGroup(const wchar_t* groupName) const;
    // The command's function by global or local name, or null.
    AcRxFunctionPtr lookupCmd(const wchar_t* name) const;
    // The group names, in the order they were made.
    std::vector<std::wstring> groupNames() const;
    void clear();

private:
    struct Command {
        std::wstring globalName;
        std::wstring localName;
        int flags = 0;
        AcRxFunctionPtr function = nullptr;
    };
    struct Group {
        std::wstring name;
        std::vector<Command> commands;
    };
    std::vector<Group> groups_;
};

// The system registry's dictionary of service objects.
class ZRLHOST_API AcRxDictionary : public AcRxObject {
public:
    const wchar_t* className() const override { return L"AcRxDictionary"; }
    // The object under this name, or null.
    AcRxObject* at(const wchar_t* key) const;
};

ZRLHOST_API AcRxDictionary* acrxSysRegistry();

// The two service objects directly (the host's shorthand).
ZRLHOST_API AcRxDynamicLinker* acrxDynamicLinker();
ZRLHOST_API AcEdCommandStack* acedRegCmds();
