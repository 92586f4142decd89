// Reading dialog case files.
#include "dialog_case.h"

#include <fstream>
#include <sstream>

namespace dialogtest {

namespace {

std::string rest(const std::string& line, size_t from) {
    const size_t start = line.find_first_not_of(' ', from);
    return start == std::string::npos ? std::string() : line.substr(start);
}

} // namespace

bool readDialogCase(const std::string& path, DialogCase& c, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read the file";
        return false;
    }
    c.file = path;
    std::string section, line, body;
    auto close = [&] {
        if (section == "record") {
            if (body.find_first_not_of(" \n") != std::string::npos) c.record = body;
        } else if (section == "script") {
            c.script = body;
        } else if (section == "expect") {
            c.expect = body;
        } else if (section == "fails") {
            c.result = rest(body.substr(0, body.find('\n')), 0);
        }
        body.clear();
    };
    for (int n = 1; std::getline(in, line); ++n) {
        if (!line.starts_with("=== ")) {
            if (!section.empty()) body += line + "\n";
            continue;
        }
        close();
        std::istringstream words(line.substr(4));
        words >> section;
        if (section == "record") {
            std::string option;
            words >> c.name >> option;
            if (option == "--sheet") words >> c.sheet;
        } else if (section == "script") {
            c.scriptLine = n + 1;
        } else if (section == "expect") {
            c.expectLine = n;
            c.result = rest(line, 4 + section.size());
        } else if (section == "fails") {
            c.expectLine = n;
            c.fails = true;
            words >> c.status;
        } else if (section == "requires") {
            c.needsGridScript = true;
        } else {
            error = "line " + std::to_string(n) + ": unknown section \"" + section + "\"";
            return false;
        }
    }
    close();
    if (c.name.empty() || c.expectLine == 0) {
        error = "a case needs a record section and an expect or fails section";
        return false;
    }
    return true;
}

} // namespace dialogtest
