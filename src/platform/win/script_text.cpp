// Parsing of action scripts: lines into words and texts, words into actions,
// `dialog` ... `end` into nested blocks.
#include "platform/win/script_text.h"

#include "platform/win/constants.h"
#include "platform/text/utf.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace win {

namespace {

// Blocks nested deeper than this are refused (no dialog opens dialogs that deep).
constexpr size_t kMaxDepth = 64;
constexpr int kMaxWait = 600000;

struct Token {
    std::string text;
    bool quoted = false;
};

struct ParseError {
    std::string message;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string lower(std::string_view word) {
    std::string out(word);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Splits one line into words and quoted texts; nullopt with `error` set when
// the quoting is bad.
std::optional<std::vector<Token>> tokenize(std::string_view line, std::string& error) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i == line.size()) break;
        if (line[i] == '#' && (i + 1 == line.size() || !isDigit(line[i + 1]))) break;
        Token token;
        if (line[i] == '"') {
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\') {
                    token.text += c;
                    continue;
                }
                if (i < line.size() && (line[i] == '"' || line[i] == '\\')) {
                    token.text += line[i++];
                    continue;
                }
                error = i < line.size() ? "bad escape \\" + std::string(1, line[i]) +
                                              " in a text (write \\\\ for a backslash)"
                                        : "a text ends in a lone backslash";
                return std::nullopt;
            }
            if (!closed) {
                error = "a text is not closed (missing \")";
                return std::nullopt;
            }
            if (i < line.size() && !isBlank(line[i])) {
                error = "a text must be followed by a blank";
                return std::nullopt;
            }
        } else {
            while (i < line.size() && !isBlank(line[i])) {
                if (line[i] == '"') {
                    error = "a quote inside a word";
                    return std::nullopt;
                }
                token.text += line[i++];
            }
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

std::optional<long long> wholeNumber(const Token& t, long long min, long long max) {
    if (t.quoted || t.text.empty()) return std::nullopt;
    size_t i = 0;
    const bool negative = t.text[0] == '-';
    if (negative || t.text[0] == '+') ++i;
    if (i == t.text.size() || t.text.size() - i > 12) return std::nullopt;
    long long value = 0;
    for (; i < t.text.size(); ++i) {
        if (!isDigit(t.text[i])) return std::nullopt;
        value = value * 10 + (t.text[i] - '0');
    }
    if (negative) value = -value;
    if (value < min || value > max) return std::nullopt;
    return value;
}

struct Name {
    const char* name;
    int value;
};

constexpr Name kButtonNames[] = {
    {"ok", IDOK},         {"cancel", IDCANCEL}, {"abort", IDABORT}, {"retry", IDRETRY},
    {"ignore", IDIGNORE}, {"yes", IDYES},       {"no", IDNO},
};

constexpr Name kKeyNames[] = {
    {"return", VK_RETURN}, {"enter", VK_RETURN}, {"escape", VK_ESCAPE}, {"esc", VK_ESCAPE},
    {"tab", VK_TAB},       {"space", VK_SPACE},  {"back", VK_BACK},     {"delete", VK_DELETE},
    {"insert", VK_INSERT}, {"home", VK_HOME},    {"end", VK_END},       {"prior", VK_PRIOR},
    {"pageup", VK_PRIOR},  {"next", VK_NEXT},    {"pagedown", VK_NEXT}, {"left", VK_LEFT},
    {"right", VK_RIGHT},   {"up", VK_UP},        {"down", VK_DOWN},
};

std::optional<int> buttonName(const Token& t) {
    if (t.quoted) return std::nullopt;
    std::string word = lower(t.text);
    if (word.size() > 2 && word.compare(0, 2, "id") == 0) word.erase(0, 2);
    for (const Name& n : kButtonNames)
        if (word == n.name) return n.value;
    return std::nullopt;
}

int controlId(const Token& t) {
    if (auto n = wholeNumber(t, 0, 65535)) return static_cast<int>(*n);
    if (auto n = buttonName(t)) return *n;
    throw ParseError{"bad ID " + quoteScriptText(zrltext::fromUtf8(t.text)) +
                     " (a number from 0 to 65535, or OK, CANCEL, YES, NO, ...)"};
}

int keyCode(const Token& t) {
    const std::string word = lower(t.text);
    if (!t.quoted) {
        for (const Name& n : kKeyNames)
            if (word == n.name) return n.value;
        if (word.size() >= 2 && word[0] == 'f') {
            if (auto n = wholeNumber(Token{word.substr(1), false}, 1, 12))
                return VK_F1 + static_cast<int>(*n) - 1;
        }
        if (word.size() == 1 && ((word[0] >= 'a' && word[0] <= 'z') || isDigit(word[0])))
            return word[0] >= 'a' ? word[0] - 'a' + 'A' : word[0];
    }
    throw ParseError{"unknown key " + quoteScriptText(zrltext::fromUtf8(t.text))};
}

int number(const Token& t, long long min, long long max, const char* what) {
    if (auto n = wholeNumber(t, min, max)) return static_cast<int>(*n);
    throw ParseError{std::string("bad ") + what + " " + quoteScriptText(zrltext::fromUtf8(t.text)) +
                     " (a whole number from " + std::to_string(min) + " to " + std::to_string(max) +
                     ")"};
}

std::wstring text(const Token& t) {
    return zrltext::fromUtf8(t.text);
}

bool isWord(const Token& t, const char* word) {
    return !t.quoted && lower(t.text) == word;
}

struct VerbEntry {
    const char* word;
    ScriptVerb verb;
};

constexpr VerbEntry kVerbs[] = {
    {"dialog", ScriptVerb::Dialog},
    {"type", ScriptVerb::Type},
    {"choose", ScriptVerb::Choose},
    {"tick", ScriptVerb::Tick},
    {"untick", ScriptVerb::Untick},
    {"click", ScriptVerb::Click},
    {"key", ScriptVerb::Key},
    {"focus", ScriptVerb::Focus},
    {"cell", ScriptVerb::Cell},
    {"select", ScriptVerb::SelectCells},
    {"rightclick", ScriptVerb::RightClickCell},
    {"dblclick", ScriptVerb::DoubleClickCell},
    {"drag", ScriptVerb::Drag},
    {"answer", ScriptVerb::Answer},
    {"file", ScriptVerb::File},
    {"menu", ScriptVerb::Menu},
    {"wait", ScriptVerb::Wait},
    {"expect", ScriptVerb::Expect},
    {"expect-cell", ScriptVerb::ExpectCell},
    {"expect-box", ScriptVerb::ExpectBox},
    {"expect-enabled", ScriptVerb::ExpectEnabled},
    {"expect-disabled", ScriptVerb::ExpectDisabled},
    {"expect-checked", ScriptVerb::ExpectChecked},
};

// The arguments after the action word must number from `min` to `max`.
void argCount(const std::vector<Token>& t, size_t min, size_t max) {
    const size_t n = t.size() - 1;
    if (n < min) throw ParseError{lower(t[0].text) + ": too few arguments"};
    if (n > max) throw ParseError{lower(t[0].text) + ": too many arguments"};
}

// The parts of a grid action after the ID: COL ROW.
void cellArgs(ScriptAction& a, const std::vector<Token>& t) {
    a.col = number(t[2], -32767, 1000000000, "column");
    a.row = number(t[3], -32767, 1000000000, "row");
}

ScriptAction parseAction(const std::vector<Token>& t) {
    if (t[0].quoted) throw ParseError{"an action starts with a word, not a text"};
    const std::string word = lower(t[0].text);
    const VerbEntry* known = nullptr;
    for (const VerbEntry& v : kVerbs)
        if (word == v.word) known = &v;
    if (!known) throw ParseError{"unknown action " + quoteScriptText(text(t[0]))};
    ScriptAction a;
    a.verb = known->verb;
    a.head = word;
    auto withId = [&](size_t min, size_t max) {
        argCount(t, min, max);
        a.id = controlId(t[1]);
        a.head += " " + t[1].text;
    };
    switch (a.verb) {
    case ScriptVerb::Dialog:
        argCount(t, 1, 1);
        // A quoted text is a caption; an unquoted word other than `next`
        // is the script name of a dialog whose caption varies.
        a.anyCaption = isWord(t[1], "next");
        a.byName = !t[1].quoted && !a.anyCaption;
        if (!a.anyCaption) a.text = text(t[1]);
        break;
    case ScriptVerb::Type:
    case ScriptVerb::Expect:
        withId(2, 2);
        a.text = text(t[2]);
        break;
    case ScriptVerb::Choose:
        withId(2, 2);
        if (!t[2].quoted && t[2].text.size() > 1 && t[2].text[0] == '#')
            a.index = number(Token{t[2].text.substr(1), false}, 0, 1000000000, "index");
        else
            a.text = text(t[2]);
        break;
    case ScriptVerb::Tick:
    case ScriptVerb::Untick:
    case ScriptVerb::Click:
    case ScriptVerb::Focus:
    case ScriptVerb::ExpectEnabled:
    case ScriptVerb::ExpectDisabled:
    case ScriptVerb::ExpectChecked:
        withId(1, 1);
        break;
    case ScriptVerb::Key:
        withId(2, 2);
        a.number = keyCode(t[2]);
        break;
    case ScriptVerb::Cell:
    case ScriptVerb::ExpectCell:
        withId(4, 4);
        cellArgs(a, t);
        a.text = text(t[4]);
        break;
    case ScriptVerb::SelectCells:
    case ScriptVerb::DoubleClickCell:
        if (t.size() == 3 && t[2].quoted) {
            withId(2, 2);
            a.verb = a.verb == ScriptVerb::SelectCells ? ScriptVerb::SelectItem
                                                       : ScriptVerb::DoubleClickItem;
            a.text = text(t[2]);
            break;
        }
        if (a.verb == ScriptVerb::SelectCells) {
            withId(3, 5);
            if (t.size() == 5) throw ParseError{"a block needs COL2 and ROW2"};
        } else {
            withId(3, 3);
        }
        cellArgs(a, t);
        if (t.size() == 6) {
            a.block = true;
            a.col2 = number(t[4], -32767, 1000000000, "column");
            a.row2 = number(t[5], -32767, 1000000000, "row");
        }
        break;
    case ScriptVerb::RightClickCell:
        withId(3, 3);
        cellArgs(a, t);
        break;
    case ScriptVerb::Drag:
        withId(5, 5);
        a.text = text(t[2]);
        a.target = controlId(t[3]);
        a.col = number(t[4], -32768, 32767, "X");
        a.row = number(t[5], -32768, 32767, "Y");
        break;
    case ScriptVerb::Answer:
        argCount(t, 1, 1);
        if (auto n = buttonName(t[1]))
            a.number = *n;
        else
            a.number = number(t[1], IDOK, IDNO, "answer");
        a.head += " " + t[1].text;
        break;
    case ScriptVerb::File:
        argCount(t, 1, 1000);
        if (t.size() == 2 && isWord(t[1], "cancel")) {
            a.cancel = true;
            break;
        }
        for (size_t i = 1; i < t.size(); ++i)
            a.paths.push_back(text(t[i]));
        break;
    case ScriptVerb::Menu:
        argCount(t, 1, 1);
        if (isWord(t[1], "dismiss")) {
            a.cancel = true;
        } else if (t[1].quoted) {
            a.byText = true;
            a.text = text(t[1]);
        } else {
            a.id = controlId(t[1]);
        }
        break;
    case ScriptVerb::Wait:
        argCount(t, 1, 1);
        a.number = number(t[1], 0, kMaxWait, "time");
        break;
    case ScriptVerb::ExpectBox:
        argCount(t, 1, 1);
        a.text = text(t[1]);
        break;
    case ScriptVerb::SelectItem:
    case ScriptVerb::DoubleClickItem:
        break; // made from select / dblclick above
    }
    return a;
}

bool allowedAtTop(ScriptVerb v) {
    switch (v) {
    case ScriptVerb::Dialog:
    case ScriptVerb::Answer:
    case ScriptVerb::File:
    case ScriptVerb::Menu:
    case ScriptVerb::Wait:
    case ScriptVerb::ExpectBox:
        return true;
    default:
        return false;
    }
}

} // namespace

std::string quoteScriptText(const std::wstring& text) {
    std::string out = "\"";
    for (char c : zrltext::toUtf8(text)) {
        if (c == '"' || c == '\\')
            out += {'\\', c};
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out + "\"";
}

int countActions(const std::vector<ScriptAction>& actions) {
    int n = 0;
    for (const ScriptAction& a : actions)
        n += 1 + countActions(a.body);
    return n;
}

ScriptResult parseScript(std::string_view source, ParsedScript& script) {
    script.actions.clear();
    if (source.substr(0, 3) == "\xEF\xBB\xBF") source.remove_prefix(3);
    std::vector<ScriptAction> top;
    std::vector<ScriptAction> open; // the dialog blocks not yet ended, outermost first
    int lineNo = 0;
    size_t pos = 0;
    while (pos <= source.size()) {
        size_t end = source.find('\n', pos);
        if (end == std::string_view::npos) end = source.size();
        const std::string_view line = source.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        std::string error;
        auto tokens = tokenize(line, error);
        if (!tokens)
            return {ScriptBad, lineNo, "line " + std::to_string(lineNo) + ": " + error, {}};
        if (tokens->empty()) continue;
        try {
            if (isWord((*tokens)[0], "end")) {
                if (tokens->size() > 1) throw ParseError{"too many arguments"};
                if (open.empty()) throw ParseError{"end without a dialog block"};
                ScriptAction block = std::move(open.back());
                open.pop_back();
                (open.empty() ? top : open.back().body).push_back(std::move(block));
                continue;
            }
            ScriptAction a = parseAction(*tokens);
            a.line = lineNo;
            if (open.empty() && !allowedAtTop(a.verb))
                throw ParseError{a.head + ": outside a dialog block"};
            if (a.verb == ScriptVerb::Dialog) {
                if (open.size() == kMaxDepth) throw ParseError{"dialog blocks nested too deeply"};
                open.push_back(std::move(a));
            } else {
                (open.empty() ? top : open.back().body).push_back(std::move(a));
            }
        } catch (const ParseError& e) {
            return {ScriptBad, lineNo, "line " + std::to_string(lineNo) + ": " + e.message, {}};
        }
    }
    if (!open.empty()) {
        const int line = open.back().line;
        return {
            ScriptBad, line, "line " + std::to_string(line) + ": the dialog block has no end", {}};
    }
    script.actions = std::move(top);
    return {};
}

} // namespace win
