// The section tables of the library handed to the core's section table
// manager, as the core does when it starts, so that the profile dialogs
// show the sections by their user names. The tables are taken back when
// the object ends, so that runs after it see the manager as it was.
#pragma once

#include "platform/core/zrl_string.h"

#include <vector>

namespace dialogs {

class LibraryTables {
public:
    LibraryTables() = default;
    LibraryTables(const LibraryTables&) = delete;
    LibraryTables& operator=(const LibraryTables&) = delete;
    ~LibraryTables();

    // Hands over every table of the library the manager does not hold yet.
    void handOver();

private:
    std::vector<Zrl_String> added_;
};

} // namespace dialogs
