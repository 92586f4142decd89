// Reads a checked-in list of names, one a line: trailing blanks dropped,
// empty lines and lines starting with "#" skipped (the export lists of the
// libraries).
#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace testsupport {

// The names of the list at `path`, in order; empty when it cannot be read.
inline std::vector<std::string> readNameList(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
            line.pop_back();
        if (!line.empty() && line[0] != '#') names.push_back(line);
    }
    return names;
}

} // namespace testsupport
