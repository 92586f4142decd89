// Program back to formula text, in A1 or R1C1 style, as seen from a cell.
#include "platform/spread/formula_impl.h"
#include "platform/spread/functions.h"

#include <string_view>

namespace spread {

std::wstring columnName(int col) {
    std::wstring out;
    if (col < 1) return out;
    while (col > 0) {
        int d = (col - 1) % 26;
        out.insert(out.begin(), static_cast<wchar_t>(L'A' + d));
        col = (col - 1) / 26;
    }
    return out;
}

namespace {

void writeA1Part(std::wstring& out, int col, int row, bool absCol, bool absRow, bool withCol,
                 bool withRow) {
    if (withCol) {
        if (absCol) out += L'$';
        out += columnName(col);
    }
    if (withRow) {
        if (absRow) out += L'$';
        out += std::to_wstring(row);
    }
}

void writeR1C1Part(std::wstring& out, wchar_t letter, int value, int base, bool absolute) {
    out += letter;
    if (absolute) {
        out += std::to_wstring(value);
    } else if (value != base) {
        out += L'[';
        out += std::to_wstring(static_cast<long long>(value) - base);
        out += L']';
    }
}

void writeRef(std::wstring& out, const Instr& in, RefStyle style, int col, int row) {
    const CellRange r = in.ref();
    bool wholeCols = in.flags & kWholeCols, wholeRows = in.flags & kWholeRows;
    bool cell = in.op == Op::Cell;
    bool ac2 = cell ? (in.flags & kAbsCol1) : (in.flags & kAbsCol2);
    bool ar2 = cell ? (in.flags & kAbsRow1) : (in.flags & kAbsRow2);
    if (style != RefStyle::R1C1) {
        writeA1Part(out, r.col1, r.row1, in.flags & kAbsCol1, in.flags & kAbsRow1, !wholeRows,
                    !wholeCols);
        if (cell) return;
        out += L':';
        writeA1Part(out, r.col2, r.row2, ac2, ar2, !wholeRows, !wholeCols);
        return;
    }
    auto part = [&](int c, int rw, bool ac, bool ar) {
        if (!wholeCols) writeR1C1Part(out, L'R', rw, row, ar);
        if (!wholeRows) writeR1C1Part(out, L'C', c, col, ac);
    };
    part(r.col1, r.row1, in.flags & kAbsCol1, in.flags & kAbsRow1);
    if (cell) return;
    out += L':';
    part(r.col2, r.row2, ac2, ar2);
}

void writeText(std::wstring& out, const std::wstring& text) {
    out += L'"';
    for (wchar_t c : text) {
        if (c == L'"') out += L'"';
        out += c;
    }
    out += L'"';
}

void writeConstant(std::wstring& out, const Program& prog, const Instr& in) {
    switch (in.op) {
    case Op::Number:
        out += numberToText(in.num);
        break;
    case Op::Text:
        writeText(out, prog.texts[in.aux].text());
        break;
    case Op::Logical:
        out += in.aux ? L"TRUE" : L"FALSE";
        break;
    case Op::Error:
        out += errorName(static_cast<ErrorKind>(in.aux));
        break;
    default:
        break;
    }
}

std::wstring_view opText(Op op) {
    switch (op) {
    case Op::Add:
        return L"+";
    case Op::Sub:
        return L"-";
    case Op::Mul:
        return L"*";
    case Op::Div:
        return L"/";
    case Op::Pow:
        return L"^";
    case Op::Concat:
        return L"&";
    case Op::Eq:
        return L"=";
    case Op::Ne:
        return L"<>";
    case Op::Lt:
        return L"<";
    case Op::Le:
        return L"<=";
    case Op::Gt:
        return L">";
    case Op::Ge:
        return L">=";
    case Op::Range:
        return L":";
    default:
        return L"";
    }
}

} // namespace

std::wstring programText(const Program& prog, RefStyle style, int col, int row) {
    const auto code = prog.code();
    // start[i]: first instruction of the operand tree that ends at i.
    std::vector<uint32_t> start(code.size());
    std::vector<uint32_t> open;
    for (uint32_t i = 0; i < code.size(); ++i) {
        int n = operandCount(code[i]);
        uint32_t s = i;
        for (int k = 0; k < n && !open.empty(); ++k) {
            s = open.back();
            open.pop_back();
        }
        start[i] = s;
        open.push_back(s);
    }
    // Walk the trees in written order with an explicit stack of pending
    // pieces: a node to write (node >= 0) or a literal.
    struct Item {
        int64_t node;
        std::wstring_view lit;
    };
    std::vector<Item> todo;
    std::vector<uint32_t> kids;
    std::wstring out;
    if (!code.empty()) todo.push_back({static_cast<int64_t>(code.size() - 1), {}});
    while (!todo.empty()) {
        Item item = todo.back();
        todo.pop_back();
        if (item.node < 0) {
            out += item.lit;
            continue;
        }
        auto i = static_cast<uint32_t>(item.node);
        const Instr& in = code[i];
        // Children in written order.
        kids.clear();
        int n = operandCount(in);
        for (uint32_t end = i; n-- > 0 && end > 0;) {
            kids.insert(kids.begin(), end - 1);
            end = start[end - 1];
        }
        auto push = [&](std::wstring_view lit) { todo.push_back({-1, lit}); };
        auto pushNode = [&](uint32_t k) { todo.push_back({static_cast<int64_t>(k), {}}); };
        switch (in.op) {
        case Op::Number:
        case Op::Text:
        case Op::Logical:
        case Op::Error:
            writeConstant(out, prog, in);
            break;
        case Op::Cell:
        case Op::Area:
            writeRef(out, in, style, col, row);
            break;
        case Op::Name:
            out += prog.texts[in.aux].text();
            break;
        case Op::Missing:
            break;
        case Op::Paren:
            push(L")");
            pushNode(kids[0]);
            push(L"(");
            break;
        case Op::Neg:
        case Op::Plus:
            pushNode(kids[0]);
            push(in.op == Op::Neg ? L"-" : L"+");
            break;
        case Op::Percent:
            push(L"%");
            pushNode(kids[0]);
            break;
        case Op::At:
            pushNode(kids[0]);
            push(L"@");
            break;
        case Op::Array:
            // The constants are leaves: written here, in rows of aux.
            out += L'{';
            for (size_t k = 0; k < kids.size(); ++k) {
                if (k > 0) out += k % in.aux == 0 ? L';' : L',';
                writeConstant(out, prog, code[kids[k]]);
            }
            out += L'}';
            break;
        case Op::Func:
        case Op::Custom:
            push(L")");
            for (size_t k = kids.size(); k-- > 0;) {
                pushNode(kids[k]);
                if (k > 0) push(L",");
            }
            push(L"(");
            push(in.op == Op::Func ? std::wstring_view(builtin(in.aux).name)
                                   : std::wstring_view(prog.texts[in.aux].text()));
            break;
        default:
            pushNode(kids[1]);
            push(opText(in.op));
            pushNode(kids[0]);
            break;
        }
    }
    return out;
}

} // namespace spread
