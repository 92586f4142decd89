// .ods workbooks read in one pass of our own handler over liborcus's SAX
// parser: styles.xml for the named styles, then content.xml for the
// automatic styles and the tables. Cells go straight into the wanted
// sheet; the other tables are parsed past without building anything, and
// the paragraphs of cells whose value is not a text are never collected.
#include "platform/spread/ods_read.h"

#include "platform/spread/ods_styles.h"
#include "platform/spread/workbook.h"
#include "platform/spread/workbook_archive.h"
#include "platform/spread/workbook_import.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <deque>
#include <orcus/sax_ns_parser.hpp>
#include <orcus/xml_namespace.hpp>

namespace spread::detail {

namespace {

// Deeper nesting than any spreadsheet program writes: refused.
constexpr int kMaxDepth = 256;
// What the copies of repeated cells may hold in all, in characters of text
// and formula text beyond those of the cells the file writes out.
constexpr uint64_t kMaxRepeatedText = 16u << 20;
// Repeat counts are cut here: past the largest sheet either way, and
// positions stay far from overflowing.
constexpr int64_t kMaxRepeat = int64_t(1) << 40;

// The namespaces the reader tells apart, by the identifiers liborcus
// interns them as: an element's namespace is then one pointer comparison.
class Namespaces {
public:
    Namespaces() {
        static const std::pair<const char*, OdsNs> uris[] = {
            {"urn:oasis:names:tc:opendocument:xmlns:office:1.0", OdsNs::Office},
            {"urn:oasis:names:tc:opendocument:xmlns:table:1.0", OdsNs::Table},
            {"urn:oasis:names:tc:opendocument:xmlns:text:1.0", OdsNs::Text},
            {"urn:oasis:names:tc:opendocument:xmlns:style:1.0", OdsNs::Style},
            {"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0", OdsNs::Fo},
            {"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0", OdsNs::Number},
            {"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0", OdsNs::Calcext},
            {"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0", OdsNs::Svg},
        };
        orcus::xmlns_context cx = repo_.create_context();
        for (size_t i = 0; i < ids_.size(); ++i)
            ids_[i] = {cx.push(uris[i].first, uris[i].first), uris[i].second};
    }
    orcus::xmlns_context context() { return repo_.create_context(); }
    OdsNs of(orcus::xmlns_id_t id) const {
        for (const auto& [known, ns] : ids_)
            if (known == id) return ns;
        return OdsNs::Other;
    }

private:
    orcus::xmlns_repository repo_;
    std::array<std::pair<orcus::xmlns_id_t, OdsNs>, 8> ids_{};
};

int64_t count(std::string_view s) {
    int64_t n = 0;
    auto [at, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec == std::errc::result_out_of_range) return kMaxRepeat;
    return ec != std::errc() || at != s.data() + s.size() || n < 1 ? 1 : std::min(n, kMaxRepeat);
}

// A number written as the format writes it ("C" locale); false for
// anything else, infinities and NaN too.
bool number(std::string_view s, double& out) {
    auto [at, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && at == s.data() + s.size() && std::isfinite(out);
}

template <class T> bool part(std::string_view& s, T& out, size_t width, char then) {
    auto [at, ec] = std::from_chars(s.data(), s.data() + std::min(width, s.size()), out);
    if (ec != std::errc() || (then && (at == s.data() + s.size() || *at != then))) return false;
    s.remove_prefix(static_cast<size_t>(at - s.data()) + (then ? 1 : 0));
    return true;
}

// "2024-02-29" or "2024-02-29T12:30:00.5" (a zone after it is ignored).
bool dateValue(std::string_view s, int& y, int& mo, int& d, int& h, int& mi, double& sec) {
    h = mi = 0;
    sec = 0;
    if (!part(s, y, 7, '-') || !part(s, mo, 2, '-') || !part(s, d, 2, 0)) return false;
    if (s.empty() || s[0] != 'T') return true;
    s.remove_prefix(1);
    return part(s, h, 2, ':') && part(s, mi, 2, ':') && part(s, sec, 32, 0) && sec >= 0 &&
           sec < 61 && h >= 0 && h < 25 && mi >= 0 && mi < 60;
}

// A duration as days: "PT12H30M00S", "-P1DT2H".
bool timeValue(std::string_view s, double& days) {
    const bool negative = s.starts_with('-');
    if (negative) s.remove_prefix(1);
    if (!s.starts_with('P')) return false;
    s.remove_prefix(1);
    double total = 0;
    bool inTime = false, any = false;
    while (!s.empty()) {
        if (s[0] == 'T' && !inTime) {
            inTime = true;
            s.remove_prefix(1);
            continue;
        }
        double n = 0;
        auto [at, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
        if (ec != std::errc() || at == s.data() + s.size() || !std::isfinite(n) || n < 0)
            return false;
        const char unit = *at;
        s.remove_prefix(static_cast<size_t>(at - s.data()) + 1);
        if (!inTime && unit == 'D') total += n;
        else if (inTime && unit == 'H') total += n / 24;
        else if (inTime && unit == 'M') total += n / 1440;
        else if (inTime && unit == 'S') total += n / 86400;
        else return false;
        any = true;
    }
    days = negative ? -total : total;
    return any && std::isfinite(days);
}

class OdsHandler : public orcus::sax_ns_handler {
public:
    OdsHandler(const Namespaces& ns, OdsStyles& styles, WorkbookImport& book, bool content)
        : ns_(ns), styles_(styles), book_(book), content_(content) {}

    void attribute(std::string_view, std::string_view) {} // of the XML declaration
    void attribute(const orcus::sax_ns_parser_attribute& a) {
        if (skipFrom_) return;
        std::string_view value = a.value;
        if (a.transient) {
            // Decoded into the parser's buffer, which the next attribute reuses.
            if (copiesUsed_ == copies_.size()) copies_.emplace_back();
            value = copies_[copiesUsed_++].assign(a.value);
        }
        attrs_.push_back({ns_.of(a.ns), a.name, value});
    }

    void start_element(const orcus::sax_ns_parser_element& e) {
        if (++depth_ > kMaxDepth) throw WorkbookRefused("elements nested deeper than the limit");
        if (skipFrom_) return;
        start(ns_.of(e.ns), e.name);
        attrs_.clear();
        copiesUsed_ = 0;
    }

    void end_element(const orcus::sax_ns_parser_element& e) {
        if (skipFrom_) {
            if (depth_ == skipFrom_) skipFrom_ = 0;
        } else if (stylesFrom_) {
            if (depth_ == stylesFrom_) stylesFrom_ = 0;
            else styles_.end(ns_.of(e.ns), e.name);
        } else if (depth_ == paragraphAt_) {
            paragraphAt_ = 0;
        } else if (depth_ == cellAt_) {
            endCell();
            cellAt_ = 0;
        } else if (depth_ == rowAt_) {
            row_ = std::min(row_ + rowRepeat_, kMaxRepeat);
            rowAt_ = 0;
        } else if (depth_ == tableAt_) {
            tableAt_ = 0;
            sheet_ = nullptr;
        } else if (depth_ == spreadsheetAt_) {
            spreadsheetAt_ = 0;
        }
        --depth_;
    }

    void characters(std::string_view s, bool) {
        if (paragraphAt_ && !skipFrom_) append(s);
    }

private:
    std::string_view attr(OdsNs ns, std::string_view name) const { return odsAttr(attrs_, ns, name); }
    void skip() { skipFrom_ = depth_; }

    void start(OdsNs ns, std::string_view name) {
        if (stylesFrom_) {
            styles_.start(ns, name, attrs_, automatic_);
        } else if (ns == OdsNs::Office &&
                   (name == "styles" || name == "automatic-styles" || name == "font-face-decls")) {
            stylesFrom_ = depth_;
            automatic_ = name == "automatic-styles";
        } else if (depth_ == 1 || !content_) {
            if (depth_ > 1) skip(); // styles.xml: the page styles
        } else if (cellAt_) {
            inCell(ns, name);
        } else if (tableAt_) {
            inTable(ns, name);
        } else if (spreadsheetAt_) {
            if (ns == OdsNs::Table && name == "table" && depth_ == spreadsheetAt_ + 1)
                startTable();
            else if (ns == OdsNs::Table && name == "null-date")
                nullDate();
            else if (!(ns == OdsNs::Table && name == "calculation-settings"))
                skip(); // named ranges, database ranges, links
        } else if (ns == OdsNs::Office && name == "spreadsheet") {
            spreadsheetAt_ = depth_;
        } else if (!(ns == OdsNs::Office && name == "body")) {
            skip(); // scripts, forms, other kinds of document
        }
    }

    void nullDate() {
        int y = 0, mo = 0, d = 0, h = 0, mi = 0;
        double s = 0;
        if (dateValue(attr(OdsNs::Table, "date-value"), y, mo, d, h, mi, s))
            book_.set_origin_date(y, mo, d);
    }

    void startTable() {
        OdsSheetInput& sheet = book_.appendOdsSheet(attr(OdsNs::Table, "name"));
        if (!sheet.wanted()) {
            skip();
            return;
        }
        sheet_ = &sheet;
        tableAt_ = depth_;
        row_ = columnAt_ = 0;
    }

    void inTable(OdsNs ns, std::string_view name) {
        if (ns != OdsNs::Table) {
            skip(); // shapes, forms
        } else if (name == "table-column" && !rowAt_) {
            column();
            skip();
        } else if (name == "table-row" && !rowAt_) {
            startRow();
        } else if ((name == "table-cell" || name == "covered-table-cell") && rowAt_) {
            startCell(name == "covered-table-cell");
        } else if (!rowAt_ && (name == "table-row-group" || name == "table-header-rows" ||
                               name == "table-rows" || name == "table-column-group" ||
                               name == "table-header-columns" || name == "table-columns")) {
            // groups of rows and columns: read through
        } else {
            skip(); // conditional formats, named ranges, anything misplaced
        }
    }

    void column() {
        const int64_t n = count(attr(OdsNs::Table, "number-columns-repeated"));
        if (const OdsLength* w = styles_.columnWidth(attr(OdsNs::Table, "style-name"))) {
            auto* props = sheet_->cells().get_sheet_properties();
            for (int64_t c = columnAt_; c < columnAt_ + n && c < kMaxSheetCols; ++c)
                props->set_column_width(static_cast<oss::col_t>(c), w->value, w->unit);
        }
        columnAt_ = std::min(columnAt_ + n, kMaxRepeat);
    }

    void startRow() {
        rowAt_ = depth_;
        col_ = 0;
        rowRepeat_ = count(attr(OdsNs::Table, "number-rows-repeated"));
        int px = -1;
        if (const OdsLength* h = styles_.rowHeight(attr(OdsNs::Table, "style-name")))
            px = lengthPixels(h->value, h->unit);
        const std::string_view visibility = attr(OdsNs::Table, "visibility");
        const bool hidden = !visibility.empty() && visibility != "visible";
        if (px >= 0 || hidden) sheet_->rows(row_, row_ + rowRepeat_ - 1, px, hidden);
    }

    void startCell(bool covered) {
        const int64_t n = count(attr(OdsNs::Table, "number-columns-repeated"));
        if (covered) {
            // Under a merged cell: its position counts, its content not.
            col_ = std::min(col_ + n, kMaxRepeat);
            skip();
            return;
        }
        cellAt_ = depth_;
        cell_.repeat = n;
        cell_.spanCols = count(attr(OdsNs::Table, "number-columns-spanned"));
        cell_.spanRows = count(attr(OdsNs::Table, "number-rows-spanned"));
        cell_.formula.assign(attr(OdsNs::Table, "formula"));
        cell_.style.assign(attr(OdsNs::Table, "style-name"));
        const std::string_view type = attr(OdsNs::Office, "value-type");
        cell_.kind = Kind::None;
        cell_.number = 0;
        if (type == "float" || type == "percentage" || type == "currency") {
            cell_.kind = Kind::Number;
            number(attr(OdsNs::Office, "value"), cell_.number);
        } else if (type == "date") {
            int y = 0, mo = 0, d = 0, h = 0, mi = 0;
            double s = 0;
            if (dateValue(attr(OdsNs::Office, "date-value"), y, mo, d, h, mi, s)) {
                cell_.kind = Kind::Number;
                cell_.number = book_.dateSerial(y, mo, d, h, mi, s);
            }
        } else if (type == "time") {
            if (timeValue(attr(OdsNs::Office, "time-value"), cell_.number)) cell_.kind = Kind::Number;
        } else if (type == "boolean") {
            const std::string_view v = attr(OdsNs::Office, "boolean-value");
            cell_.kind = Kind::Logical;
            cell_.number = v == "true" || v == "1";
        } else if (type == "string") {
            cell_.kind = Kind::Text;
        }
        // An error result is written as its name in the paragraph, whatever
        // the string value says.
        const bool error = attr(OdsNs::Calcext, "value-type") == "error";
        if (error) cell_.kind = Kind::Text;
        const auto given = std::find_if(attrs_.begin(), attrs_.end(), [](const OdsAttr& a) {
            return a.ns == OdsNs::Office && a.name == "string-value";
        });
        text_.clear();
        paragraphs_ = 0;
        wantText_ = cell_.kind == Kind::Text && (given == attrs_.end() || error);
        if (cell_.kind == Kind::Text && !wantText_) text_.assign(given->value);
    }

    void inCell(OdsNs ns, std::string_view name) {
        if (!wantText_) {
            skip();
        } else if (!paragraphAt_) {
            if (ns == OdsNs::Text && (name == "p" || name == "h") && depth_ == cellAt_ + 1) {
                if (paragraphs_++) append("\n");
                paragraphAt_ = depth_;
            } else {
                skip(); // comments, pictures
            }
        } else if (ns != OdsNs::Text || name == "note") {
            skip();
        } else if (name == "s") {
            const int64_t n = count(attr(OdsNs::Text, "c"));
            if (n > static_cast<int64_t>(kMaxWorkbookText)) throw WorkbookRefused("text longer than the limit");
            append(std::string(static_cast<size_t>(n), ' '));
        } else if (name == "tab") {
            append("\t");
        } else if (name == "line-break") {
            append("\n");
        }
    }

    void append(std::string_view s) {
        if (text_.size() + s.size() > kMaxWorkbookText) throw WorkbookRefused("text longer than the limit");
        text_ += s;
    }

    void endCell() {
        const int64_t first = col_, n = cell_.repeat, m = rowRepeat_;
        col_ = std::min(col_ + n, kMaxRepeat);
        const bool formula = !cell_.formula.empty();
        const bool content = formula || (cell_.kind != Kind::None &&
                                          !(cell_.kind == Kind::Text && text_.empty()));
        std::optional<size_t> xf;
        if (!cell_.style.empty()) xf = styles_.cellFormat(cell_.style);
        const bool inside = first < kMaxSheetCols && row_ < kMaxSheetRows;
        auto clipped = [&](int64_t rows, int64_t cols) {
            oss::range_t r{};
            r.first = {static_cast<oss::row_t>(row_), static_cast<oss::col_t>(first)};
            r.last = {static_cast<oss::row_t>(std::min<int64_t>(row_ + rows, kMaxSheetRows) - 1),
                      static_cast<oss::col_t>(std::min<int64_t>(first + cols, kMaxSheetCols) - 1)};
            return r;
        };
        if (inside && (cell_.spanCols > 1 || cell_.spanRows > 1))
            sheet_->cells().get_sheet_properties()->set_merge_cell_range(
                clipped(cell_.spanRows, cell_.spanCols));
        if (!content) {
            if (xf && inside) sheet_->emptyLook(clipped(m, n), *xf);
            return;
        }
        if (row_ + m > kMaxSheetRows || first + n > kMaxSheetCols)
            throw WorkbookRefused("a cell beyond the largest sheet");
        // Repeats cost what their copies hold: bounded apart from the cells.
        const uint64_t copies = static_cast<uint64_t>(n * m - 1);
        if (copies >= kMaxWorkbookCells) throw WorkbookRefused("more cells than the limit");
        repeatedText_ += copies * (text_.size() + cell_.formula.size());
        if (repeatedText_ > kMaxRepeatedText)
            throw WorkbookRefused("repeated cells hold more text than the limit");
        oss::iface::import_sheet& cells = sheet_->cells();
        for (int64_t r = row_; r < row_ + m; ++r)
            for (int64_t c = first; c < first + n; ++c) {
                const auto row = static_cast<oss::row_t>(r);
                const auto col = static_cast<oss::col_t>(c);
                if (formula && (r != row_ || c != first))
                    sheet_->repeatFormula(row, col);
                else if (formula)
                    putFormula(row, col);
                else if (cell_.kind == Kind::Number)
                    cells.set_value(row, col, cell_.number);
                else if (cell_.kind == Kind::Logical)
                    cells.set_bool(row, col, cell_.number != 0);
                else
                    sheet_->text(row, col, text_);
                if (xf) cells.set_format(row, col, *xf);
            }
    }

    void putFormula(oss::row_t row, oss::col_t col) {
        oss::iface::import_formula* f = sheet_->cells().get_formula();
        f->set_position(row, col);
        // The grammar's prefix ("of:", "msoxl:") goes; the translation
        // takes the formula with or without it.
        std::string_view text = cell_.formula;
        if (const size_t colon = text.find(":="); colon != std::string_view::npos && colon <= 5 &&
            std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(colon),
                        [](char ch) { return (ch | 0x20) >= 'a' && (ch | 0x20) <= 'z'; }))
            text.remove_prefix(colon + 1);
        f->set_formula(oss::formula_grammar_t::ods, text);
        switch (cell_.kind) {
        case Kind::Number: f->set_result_value(cell_.number); break;
        case Kind::Logical: f->set_result_bool(cell_.number != 0); break;
        case Kind::Text: f->set_result_string(text_); break;
        case Kind::None: f->set_result_empty(); break;
        }
        f->commit();
    }

    enum class Kind { None, Number, Logical, Text };
    struct Cell {
        int64_t repeat = 1, spanCols = 1, spanRows = 1;
        Kind kind = Kind::None;
        double number = 0; // a number, or a logical as 0 and 1
        std::string formula, style;
    };

    const Namespaces& ns_;
    OdsStyles& styles_;
    WorkbookImport& book_;
    const bool content_; // content.xml, else styles.xml

    // The attributes of the element about to start; values the parser
    // decoded are copied (the deque keeps the copies in place).
    std::vector<OdsAttr> attrs_;
    std::deque<std::string> copies_;
    size_t copiesUsed_ = 0;

    // Depths of the elements being read (0: none); the subtree of the
    // element at skipFrom_ is parsed past unread.
    int depth_ = 0, skipFrom_ = 0, stylesFrom_ = 0, spreadsheetAt_ = 0, tableAt_ = 0, rowAt_ = 0,
        cellAt_ = 0, paragraphAt_ = 0;
    bool automatic_ = false;

    OdsSheetInput* sheet_ = nullptr;
    int64_t row_ = 0, rowRepeat_ = 1, col_ = 0, columnAt_ = 0; // from 0
    Cell cell_;
    std::string text_; // the cell's text: its paragraphs, or its string value
    int paragraphs_ = 0;
    bool wantText_ = false;
    uint64_t repeatedText_ = 0;
};

void parsePart(Namespaces& ns, OdsStyles& styles, WorkbookImport& book, std::string& xml,
               bool content) {
    parseXmlPart(xml, [&](const char* text, size_t size) {
        orcus::xmlns_context cx = ns.context();
        OdsHandler handler(ns, styles, book, content);
        orcus::sax_ns_parser<OdsHandler> parser(text, size, cx, handler);
        parser.parse();
    });
}

} // namespace

void readOdsParts(std::string& stylesXml, std::string& contentXml, WorkbookImport& book) {
    Namespaces ns;
    OdsStyles styles(book.styles());
    if (!stylesXml.empty()) parsePart(ns, styles, book, stylesXml, false);
    parsePart(ns, styles, book, contentXml, true);
}

void readOds(std::string_view bytes, WorkbookImport& book) {
    // Each part is inflated whole: the parser reads from memory.
    std::string content, styles;
    if (!readArchivePart(bytes, "content.xml", content, kParserGuard))
        throw WorkbookRefused("the archive's content.xml cannot be read");
    readArchivePart(bytes, "styles.xml", styles, kParserGuard);
    readOdsParts(styles, content, book);
}

} // namespace spread::detail
