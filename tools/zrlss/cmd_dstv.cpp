// zrlss dstv: the DSTV point groups of the library folder (--lib), as the
// group dialog keeps them: one file per group in "DSTV Points\", one group
// the standard.
//
//   list [--json]             one group a line: "* NAME" for the standard
//                             group, "  NAME" for the others
//   show GROUP [--json]       a header line, then a point a line, its 13
//                             cells TAB-separated (rows-file escapes)
//   add GROUP                 a new, empty group
//   remove GROUP              deletes a group
//   use GROUP                 makes a group the standard group
//   write GROUP POINTS.json   the points of show's JSON, checked whole, as
//                             the group (created or replaced)
//   check FILE                reads a group file: "FILE: N points"
//
// Names follow the dialog's rules (not blank, a valid file name; a new name
// not in use in any case). On failure nothing is written, one line says why
// (for a damaged file "FILE: line N: reason") and the exit status is 1.
#include "command.h"
#include "platform/core/dstv_points_files.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/record_json.h"
#include "platform/core/record_workshop.h"
#include "platform/core/rows_file.h"
#include "platform/core/text_helpers.h"

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace zrlss {

namespace {

using nlohmann::json;

struct DstvArgs {
    std::string action;
    std::vector<std::string> operands;
    bool json = false;
};

const char* const kColumns[] = {"name",      "extent",    "side1",       "side2", "intersection",
                                "middle",    "startSide", "viewPlate",   "markPlate",
                                "minDistance", "drill",   "thicknessBased", "holeSize"};

std::string utf8(const Zrl_String& text) {
    return text.toUtf8();
}

// A file of the library as the file system names it.
std::string onDisk(const Zrl_String& path) {
    return resolvePath(path).string();
}

const std::string& operand(const DstvArgs& args, size_t index, const char* what) {
    if (args.operands.size() <= index)
        throw Failure{args.action + ": " + what + " missing"};
    return args.operands[index];
}

void expectOperands(const DstvArgs& args, size_t count) {
    if (args.operands.size() > count)
        throw Failure{args.action + ": unexpected argument " + args.operands[count]};
}

Zrl_StringArray groupNames() {
    Zrl_StringArray names;
    if (!DlgDstvPoints::getAllDstvPointsFiles(names))
        throw Failure{"cannot read " + onDisk(DlgDstvPoints::getDstvPointsFolder())};
    return names;
}

// The group's name as its file is called (names compare without case).
Zrl_String existingGroup(const std::string& given) {
    const Zrl_String name = Zrl_String::fromUtf8(given);
    const Zrl_StringArray names = groupNames();
    int index = -1;
    if (!isValidDstvGroupName(name) || !names.find(name, index, false))
        throw Failure{"no group " + given};
    return names[index];
}

Zrl_String newGroupName(const std::string& given) {
    const Zrl_String name = Zrl_String::fromUtf8(given);
    if (!isValidDstvGroupName(name)) throw Failure{"not a valid group name: \"" + given + "\""};
    if (groupNames().contains(name, false)) throw Failure{"a group " + given + " exists already"};
    return name;
}

void writeGroup(const Zrl_String& name, const Zrl_DstvPointList& points) {
    if (!DlgDstvPoints::writeToFile(name, points))
        throw Failure{"cannot write " + onDisk(DlgDstvPoints::groupPath(name))};
}

int list(const DstvArgs& args) {
    expectOperands(args, 0);
    const Zrl_StringArray names = groupNames();
    const Zrl_String standard = DlgDstvPoints::getStandardDstvPointsFile();
    int index = -1;
    const bool hasStandard = !standard.isEmpty() && names.find(standard, index, false);
    if (args.json) {
        std::cout << dumpRecordJson({{"groups", toJson(names)},
                                     {"standard", hasStandard ? toJson(names[index]) : json()}});
        return 0;
    }
    for (int i = 0; i < names.length(); ++i)
        std::cout << (hasStandard && i == index ? "* " : "  ") << utf8(names[i]) << "\n";
    return 0;
}

Zrl_DstvPointList readGroup(const Zrl_String& name) {
    Zrl_DstvPointList points;
    DstvReadError error;
    if (!DlgDstvPoints::readFromFile(name, points, &error))
        throw Failure{onDisk(DlgDstvPoints::groupPath(name)) + ": " + utf8(error.text())};
    return points;
}

int show(const DstvArgs& args) {
    const Zrl_String name = existingGroup(operand(args, 0, "GROUP"));
    expectOperands(args, 1);
    const Zrl_DstvPointList points = readGroup(name);
    if (args.json) {
        std::cout << dumpRecordJson(dstvPointsJson(name, points));
        return 0;
    }
    std::string header;
    for (const char* column : kColumns)
        header += (header.empty() ? "" : "\t") + std::string(column);
    std::cout << header << "\n";
    for (const Zrl_DstvPointInfo& p : points)
        std::cout << utf8(encodeRow(dstvPointCells(p))) << "\n";
    return 0;
}

int write(const DstvArgs& args) {
    const std::string& given = operand(args, 0, "GROUP");
    const std::string& file = operand(args, 1, "POINTS.json");
    expectOperands(args, 2);
    const Zrl_String name = Zrl_String::fromUtf8(given);
    if (!isValidDstvGroupName(name)) throw Failure{"not a valid group name: \"" + given + "\""};
    std::string bytes, error;
    json root;
    if (!readFileBytes(file, bytes, &error)) throw Failure{error};
    Zrl_String group;
    Zrl_DstvPointList points;
    if (!RecordReader::parse(bytes, root, error) || !readDstvPointsJson(root, group, points, error))
        throw Failure{file + ": " + error};
    // An existing group keeps the name its file has.
    int index = -1;
    const Zrl_StringArray names = groupNames();
    writeGroup(names.find(name, index, false) ? names[index] : name, points);
    return 0;
}

int check(const DstvArgs& args) {
    const std::string& file = operand(args, 0, "FILE");
    expectOperands(args, 1);
    Zrl_StringArray lines;
    if (!ObjectExportReadFile(Zrl_String::fromUtf8(file), lines))
        throw Failure{file + ": cannot be read"};
    Zrl_DstvPointList points;
    DstvReadError error;
    if (!parseDstvPoints(lines, points, &error)) throw Failure{file + ": " + utf8(error.text())};
    std::cout << file << ": " << points.length() << " points\n";
    return 0;
}

int runDstv(const DstvArgs& args) {
    const std::string& a = args.action;
    if (a == "list") return list(args);
    if (a == "show") return show(args);
    if (a == "write") return write(args);
    if (a == "check") return check(args);
    if (a == "add") {
        const Zrl_String name = newGroupName(operand(args, 0, "GROUP"));
        expectOperands(args, 1);
        writeGroup(name, Zrl_DstvPointList());
        return 0;
    }
    if (a == "remove") {
        const Zrl_String name = existingGroup(operand(args, 0, "GROUP"));
        expectOperands(args, 1);
        if (!DlgDstvPoints::removeFile(name))
            throw Failure{"cannot delete " + onDisk(DlgDstvPoints::groupPath(name))};
        return 0;
    }
    if (a == "use") {
        const Zrl_String name = existingGroup(operand(args, 0, "GROUP"));
        expectOperands(args, 1);
        if (!DlgDstvPoints::setStandardDstvPointsFile(name))
            throw Failure{"cannot set the standard group in " +
                          onDisk(DlgDstvPoints::getDstvPointsFolder())};
        return 0;
    }
    throw Failure{"unknown action " + a + " (list, show, add, remove, use, write, check)"};
}

void setupDstv(CommandLine& cli, const SharedOptions&) {
    auto args = std::make_shared<DstvArgs>();
    cli.add("dstv", "The DSTV point groups of the library: list, show, add, remove, use, "
                    "write, check")
        .option("ACTION", args->action, "list, show, add, remove, use, write or check")
        .required()
        .option("ARGS", args->operands, "the group, the points file or the file to check")
        .flag("--json", args->json, "list and show as JSON")
        .withoutModule()
        .run([args] { return runDstv(*args); });
}

const Registrar registrar(setupDstv);

} // namespace

} // namespace zrlss
