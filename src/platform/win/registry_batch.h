// A batch of registry changes made together: set string values and delete
// key trees, applied in memory in the order given and then saved with one
// write of the registry file (see registry.h), so that a batch of a hundred
// changes costs one file write, not a hundred.
//
// All or nothing on disk: when the file cannot be read (it is then never
// overwritten) or cannot be written, the registry stays exactly as it was
// and apply() answers false. A change that is refused on its own (an empty
// key path) is left out and the others are made. A batch that changes
// nothing (values already as given, trees already absent) writes nothing.
#pragma once

#include "platform/win/registry.h"

#include <cstddef>
#include <string>
#include <vector>

namespace win {

class ZRLWIN_API RegistryBatch {
public:
    // What became of a change.
    enum class Outcome {
        Pending, // not applied (yet, or the batch could not be saved)
        Done,    // value set, or tree deleted
        Absent,  // the tree to delete was not there
        Refused, // left out: an empty key path
    };

    // Sets a string value (name "" = the key's default value), creating the
    // key and the keys above it. Returns the change's index.
    std::size_t setString(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                          const std::wstring& value);
    // Deletes the key with all keys and values below it.
    std::size_t deleteTree(RegistryRoot root, const std::wstring& path);

    // Applies the changes and saves the file once. False when the registry
    // could not be read or written: then nothing changed and every outcome
    // is Pending (registryError() says why).
    bool apply();

    std::size_t size() const { return changes_.size(); }
    Outcome outcome(std::size_t index) const { return changes_.at(index).outcome; }

private:
    struct Change {
        bool remove = false;
        RegistryRoot root = RegistryRoot::ClassesRoot;
        std::wstring path;
        std::wstring name;
        std::wstring value;
        Outcome outcome = Outcome::Pending;
    };
    std::vector<Change> changes_;
};

} // namespace win
