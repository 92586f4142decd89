// zrlss check SHEET [--json]: reads a standards sheet without running it
// and reports what would make its evaluation fail or mislead, each with its
// sheet line: declarations (empty or duplicate names, names that read as
// cell addresses or functions), equations (not of the form "name =
// expression", assigning to an input or to an undeclared name, using an
// undeclared name, calling an unknown function, not parsing), outputs never
// assigned, inputs never used (a warning), child sheets and data files the
// library does not hold, child calls that hand over another number of names
// than the child declares, and chains of child calls that come back. Exit
// status 0 without errors, 1 with errors, 2 when the sheet cannot be read.
#include "command.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "platform/spread/formula.h"
#include "platform/spread/sheet.h"
#include "platform/text/fold.h"
#include "standards/calc_area_text.h"
#include "standards/ss_function_names.h"
#include "standards_sheet.h"

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

namespace zrlss {

namespace {

struct CheckArgs {
    std::string sheet;
    bool json = false;
};

struct Problem {
    int line = 0;
    bool error = true;
    std::string message;
};

std::wstring upper(std::wstring text) {
    for (wchar_t& ch : text)
        ch = zrltext::upperCase(ch);
    return text;
}

// Letters and digits by the project's own case rule, not the process
// locale: a letter is an ASCII letter or a character that has a case.
bool digit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}
bool letter(wchar_t ch) {
    if (ch < 0x80) return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z');
    return zrltext::foldCase(ch) != zrltext::upperCase(ch);
}

bool wordChar(wchar_t ch) {
    return letter(ch) || digit(ch) || ch == L'_' || ch == L'.';
}

// A word of an expression outside quotes; `call` when "(" follows it.
struct Word {
    std::wstring text;
    size_t begin = 0;
    bool call = false;
};

std::vector<Word> wordsOf(const std::wstring& text) {
    std::vector<Word> out;
    bool quoted = false;
    for (size_t i = 0; i < text.size();) {
        if (text[i] == L'"') quoted = !quoted;
        if (quoted || !wordChar(text[i]) || text[i] == L'.') {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && wordChar(text[end]))
            ++end;
        Word w{text.substr(i, end - i), i, false};
        size_t next = end;
        while (next < text.size() && text[next] == L' ')
            ++next;
        w.call = next < text.size() && text[next] == L'(';
        if (!digit(w.text[0])) out.push_back(w);
        i = end;
    }
    return out;
}

// The string literals of an expression, in order.
std::vector<std::wstring> literalsOf(const std::wstring& text) {
    std::vector<std::wstring> out;
    for (size_t i = text.find(L'"'); i != std::wstring::npos;) {
        const size_t end = text.find(L'"', i + 1);
        if (end == std::wstring::npos) break;
        out.push_back(text.substr(i + 1, end - i - 1));
        i = text.find(L'"', end + 1);
    }
    return out;
}

// A name like A1 or XFD100: the formula language would read a cell.
bool readsAsCell(const std::wstring& name) {
    size_t letters = 0;
    while (letters < name.size() && letter(name[letters]))
        ++letters;
    if (letters == 0 || letters > 3 || letters == name.size()) return false;
    return std::all_of(name.begin() + static_cast<long>(letters), name.end(),
                       digit);
}

// Functions: those the evaluation adds, and those of the formula language
// (a name the language does not know computes to #NAME?).
class Functions {
public:
    Functions() {
        scratch_.setMaxCols(1);
        scratch_.setMaxRows(1);
    }
    bool known(const std::wstring& name) {
        const std::wstring key = upper(name);
        for (const wchar_t* own : kStandardsFunctionNames)
            if (key == own) return true;
        if (key == L"CALLCHILD") return true;
        auto it = builtin_.find(key);
        if (it != builtin_.end()) return it->second;
        // Parsed with no arguments: a function of the language either
        // computes or refuses the count; an unknown one gives #NAME?.
        const bool parsed = scratch_.setFormula(1, 1, L"=" + key + L"()");
        const spread::Value value = scratch_.value(1, 1);
        const bool isKnown = !parsed || !value.isError() ||
                             value.errorKind() != spread::ErrorKind::Name;
        builtin_.emplace(key, isKnown);
        return isKnown;
    }

private:
    spread::Sheet scratch_;
    std::map<std::wstring, bool> builtin_;
};

std::string shown(const Zrl_String& path) {
    std::string text = path.toUtf8();
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

// The file is found in one of its places; else a problem naming them.
void checkFile(std::vector<Problem>& out, int line, const Zrl_String& sheetFile,
               const Zrl_String& name, bool child) {
    if (!foundPlace(sheetFile, name, child).isEmpty()) return;
    const std::vector<Zrl_String> places = placesFor(sheetFile, name, child);
    std::string message = std::string(child ? "child sheet " : "file ") + name.toUtf8() +
                          " not found; looked in:";
    for (size_t i = 1; i < places.size(); ++i)
        message += (i > 1 ? ", " : " ") + shown(places[i]);
    out.push_back({line, true, message});
}

std::string fileName(const Zrl_String& path) {
    return resolvePath(path).filename().string();
}

// Follows the child calls from the last sheet of `chain`; true, with the
// chain ending in a sheet already on it, when they come back to one.
// `done`: sheets from which no call comes back.
bool findCycle(std::vector<Zrl_String>& chain, std::set<std::string>& done) {
    constexpr size_t kMaxDepth = 32;
    const Zrl_String sheet = chain.back();
    std::vector<ChildCall> calls;
    try {
        calls = childCallsOf(sheet);
    } catch (const Failure&) {
        return false; // told where the sheet is called from
    }
    for (const ChildCall& call : calls) {
        const Zrl_String child = foundPlace(sheet, call.file, true);
        if (child.isEmpty()) continue;
        const std::string key = fileKey(child);
        chain.push_back(child);
        for (size_t i = 0; i + 1 < chain.size(); ++i)
            if (fileKey(chain[i]) == key) return true;
        if (done.count(key) == 0 && chain.size() < kMaxDepth && findCycle(chain, done))
            return true;
        chain.pop_back();
        done.insert(key);
    }
    return false;
}

// Each child call hands over as many names as the child declares inputs
// and outputs (paired by position, locals skipped), and no chain of calls
// from it comes back to a sheet that is still waiting for its child.
void checkChildCalls(std::vector<Problem>& out, const Zrl_String& path) {
    std::set<std::string> done;
    for (const ChildCall& call : childCallsOf(path)) {
        const Zrl_String child = foundPlace(path, call.file, true);
        if (child.isEmpty()) continue; // told as not found
        std::vector<Declaration> declared;
        try {
            declared = readDeclarations(child);
        } catch (const Failure& f) {
            out.push_back({call.line, true, "child sheet " + call.file.toUtf8() + ": " + f.reason});
            continue;
        }
        const auto paired = std::count_if(declared.begin(), declared.end(),
                                          [](const Declaration& d) { return !d.cell.isLocal(); });
        if (paired != call.names)
            out.push_back({call.line, true,
                           "the child call hands " + std::to_string(call.names) + " names; " +
                               call.file.toUtf8() + " declares " + std::to_string(paired) +
                               " inputs and outputs"});
        std::vector<Zrl_String> chain{path, child};
        bool cycle = fileKey(child) == fileKey(path);
        if (!cycle && done.count(fileKey(child)) == 0) cycle = findCycle(chain, done);
        if (!cycle) {
            done.insert(fileKey(child));
            continue;
        }
        std::string shownChain;
        for (const Zrl_String& sheet : chain)
            shownChain += (shownChain.empty() ? "" : " -> ") + fileName(sheet);
        out.push_back({call.line, true, "child-call cycle: " + shownChain});
    }
}

std::vector<Problem> checkSheet(const Zrl_String& path) {
    std::vector<Problem> out;
    int calcRow = 0;
    const std::vector<Declaration> declared = readDeclarations(path, &calcRow);
    Functions functions;

    // Declarations.
    std::map<std::wstring, const Declaration*> byName;
    for (const Declaration& d : declared) {
        const std::wstring& name = d.cell.name.str();
        const int line = d.cell.row;
        if (name.empty()) {
            out.push_back({line, true, "a declaration without a name"});
            continue;
        }
        const auto [it, fresh] = byName.emplace(upper(name), &d);
        if (!fresh)
            out.push_back({line, true,
                           "duplicate name " + d.cell.name.toUtf8() + " (first on line " +
                               std::to_string(it->second->cell.row) + ")"});
        if (readsAsCell(name))
            out.push_back({line, true, d.cell.name.toUtf8() + " reads as a cell address"});
        else if (functions.known(name))
            // Names are read without parentheses and calls with them, so such
            // a name computes; it only reads confusingly, and the function
            // list grows (ROWS, COLUMN, OFFSET...) under sheets that worked.
            out.push_back({line, false, d.cell.name.toUtf8() + " is also the name of a function"});
    }
    if (calcRow == 0) {
        out.push_back({0, true, "the sheet has no \"Calc\" title"});
        return out;
    }

    spread::Sheet sheet;
    std::wstring why;
    if (!sheet.load(resolvePath(path), &why))
        throw Failure{"cannot load " + path.toUtf8() + ": " + Zrl_String(why).toUtf8()};
    std::set<std::wstring> assigned, used;
    const int lastRow = std::min(sheet.maxRows(), sheet.lastUsedRow());
    const int lastCol = std::min(sheet.maxCols(), sheet.lastUsedCol());
    for (int row = calcRow + 1; row <= lastRow; ++row) {
        for (int col = 1; col <= lastCol; ++col) {
            const std::wstring text = sheet.valueText(col, row);
            if (text.find_first_not_of(L' ') == std::wstring::npos) continue;
            const std::string shownText = Zrl_String(text).toUtf8();
            const std::vector<Word> words = wordsOf(text);
            const bool childCall = !words.empty() && upper(words[0].text) == L"CALLCHILD";
            std::wstring expression = text;
            if (!childCall) {
                const size_t eq = text.find(L'=');
                const std::wstring target =
                    eq == std::wstring::npos ? std::wstring() : Zrl_String(text.substr(0, eq)).trimmed().str();
                if (target.empty() || wordsOf(target).size() != 1 ||
                    wordsOf(target)[0].text != target) {
                    out.push_back({row, true, "not an equation \"name = expression\": " + shownText});
                    continue;
                }
                expression = text.substr(eq + 1);
                const auto it = byName.find(upper(target));
                if (it == byName.end())
                    out.push_back({row, true, "assigns to the undeclared name " + Zrl_String(target).toUtf8()});
                else if (it->second->cell.isInput())
                    out.push_back({row, true, "assigns to the input " + Zrl_String(target).toUtf8()});
                assigned.insert(upper(target));
            }
            // Names and functions used; file names in string literals.
            std::wstring forParse;
            size_t copied = 0;
            for (const Word& w : wordsOf(expression)) {
                const std::wstring key = upper(w.text);
                if (w.call) {
                    if (!functions.known(w.text))
                        out.push_back({row, true, "unknown function " + Zrl_String(w.text).toUtf8()});
                    continue;
                }
                if (key == L"TRUE" || key == L"FALSE") continue;
                if (key.rfind(L"GEN_", 0) == 0) continue;
                forParse += expression.substr(copied, w.begin - copied) + L"A1";
                copied = w.begin + w.text.size();
                if (byName.count(key) == 0) {
                    if (!childCall || words.empty())
                        out.push_back({row, true, "uses the undeclared name " + Zrl_String(w.text).toUtf8()});
                    else
                        out.push_back({row, true, "hands the undeclared name " + Zrl_String(w.text).toUtf8() + " to the child"});
                    continue;
                }
                used.insert(key);
                if (childCall) assigned.insert(key);
            }
            const std::vector<std::wstring> literals = literalsOf(expression);
            if (childCall) {
                if (literals.empty())
                    out.push_back({row, true, "the child call names no sheet"});
                else
                    checkFile(out, row, path, literals[0], true);
                continue;
            }
            for (const std::wstring& literal : literals) {
                const std::wstring low = upper(literal);
                if (low.size() > 4 && low.compare(low.size() - 4, 4, L".TXT") == 0)
                    checkFile(out, row, path, literal, false);
            }
            forParse += expression.substr(copied);
            std::wstring error;
            if (!spread::Formula::parse(forParse, spread::RefStyle::A1, 1, 1, &error))
                out.push_back({row, true, "does not parse: " + Zrl_String(error).toUtf8()});
        }
    }
    checkChildCalls(out, path);
    for (const Declaration& d : declared) {
        const std::wstring key = upper(d.cell.name.str());
        if (d.cell.isOutput() && assigned.count(key) == 0)
            out.push_back({d.cell.row, true, "the output " + d.cell.name.toUtf8() + " is never assigned"});
        if (d.cell.isInput() && used.count(key) == 0)
            out.push_back({d.cell.row, false, "the input " + d.cell.name.toUtf8() + " is never used"});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return out;
}

int runCheck(const CheckArgs& args) {
    std::vector<Problem> problems;
    try {
        problems = checkSheet(sheetPath(args.sheet));
    } catch (const Failure& f) {
        std::cerr << "zrlss check: " << f.reason << "\n";
        return 2;
    }
    const bool errors =
        std::any_of(problems.begin(), problems.end(), [](const Problem& p) { return p.error; });
    if (args.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Problem& p : problems)
            list.push_back({{"line", p.line},
                            {"severity", p.error ? "error" : "warning"},
                            {"message", p.message}});
        std::cout << nlohmann::ordered_json{{"problems", list}}.dump(2) << "\n";
    } else {
        for (const Problem& p : problems)
            std::cout << "line " << p.line << ": " << (p.error ? "error" : "warning") << ": "
                      << p.message << "\n";
    }
    return errors ? 1 : 0;
}

void setupCheck(CommandLine& cli, const SharedOptions&) {
    auto args = std::make_shared<CheckArgs>();
    cli.add("check", "Check a standards sheet without running it")
        .option("SHEET", args->sheet, "standards sheet: a path or a sheet name of the library")
        .required()
        .flag("--json", args->json, "print the problems as JSON")
        .withoutModule()
        .run([args] { return runCheck(*args); });
}

const Registrar registrar(setupCheck);

} // namespace

} // namespace zrlss
