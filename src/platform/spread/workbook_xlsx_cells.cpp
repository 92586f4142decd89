// The sheets of an .xlsx workbook's book part and the typed cells of its
// worksheets, read with our own handlers over liborcus's SAX parser.
#include "platform/spread/workbook_xlsx_cells.h"

#include "platform/spread/workbook.h"
#include "platform/spread/workbook_archive.h"
#include "platform/spread/workbook_import.h"

#include <charconv>
#include <orcus/sax_ns_parser.hpp>
#include <orcus/sax_parser.hpp>
#include <orcus/xml_namespace.hpp>

namespace spread::detail {

namespace {

// A whole number of decimal digits only; -1 for anything else.
long wholeNumber(std::string_view s) {
    long n = -1;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    return s.empty() || s[0] < '0' || s[0] > '9' || ec != std::errc() ||
                   end != s.data() + s.size()
               ? -1
               : n;
}

// The relationship attributes' namespaces, transitional and strict.
bool relationshipsNs(orcus::xmlns_id_t ns) {
    if (ns == orcus::XMLNS_UNKNOWN_ID) return false;
    const std::string_view uri(ns);
    return uri == "http://schemas.openxmlformats.org/officeDocument/2006/relationships" ||
           uri == "http://purl.oclc.org/ooxml/officeDocument/relationships";
}

struct BookSheet {
    std::string name, rid;
    long id = -1; // the sheetId as written
};

// The sheet elements of xl/workbook.xml and the Relationship elements of its
// relationship part: whichever the part holds.
class BookHandler : public orcus::sax_ns_handler {
public:
    std::vector<BookSheet> sheets;
    std::map<std::string, std::string> targets; // relationship id to its Target

    void attribute(std::string_view, std::string_view) {} // of the XML declaration
    void attribute(const orcus::sax_ns_parser_attribute& a) {
        const bool plain = a.ns == orcus::XMLNS_UNKNOWN_ID;
        if (plain && a.name == "name") name_.assign(a.value);
        else if (plain && a.name == "sheetId") id_ = wholeNumber(a.value);
        else if (plain && a.name == "Id") rid_.assign(a.value);
        else if (plain && a.name == "Target") target_.assign(a.value);
        else if (a.name == "id" && relationshipsNs(a.ns)) sheetRid_.assign(a.value);
    }

    void start_element(const orcus::sax_ns_parser_element& e) {
        if (e.name == "sheet" && !name_.empty())
            sheets.push_back({name_, sheetRid_, id_});
        else if (e.name == "Relationship" && !rid_.empty())
            targets[rid_] = target_;
        name_.clear();
        rid_.clear();
        target_.clear();
        sheetRid_.clear();
        id_ = -1;
    }

private:
    std::string name_, rid_, target_, sheetRid_;
    long id_ = -1;
};

// Parses one of the book's parts; false when the archive lacks it.
bool readBookPart(std::string_view bytes, const char* name, BookHandler& handler,
                  std::set<std::string>* checked) {
    std::string xml;
    if (!readArchivePart(bytes, name, xml, kParserGuard)) return false;
    parseXmlPart(xml, [&](const char* text, size_t size) {
        orcus::xmlns_repository repo;
        orcus::xmlns_context cx = repo.create_context();
        orcus::sax_ns_parser<BookHandler> parser(text, size, cx, handler);
        parser.parse();
    });
    if (checked) checked->insert(name);
    return true;
}

// The logical, error and inline text cells of one worksheet. Elements are
// told by their names without prefix; attributes are the unprefixed ones.
class CellHandler : public orcus::sax_handler {
public:
    explicit CellHandler(std::vector<XlsxTypedCell>& out) : out_(out) {}

    void attribute(const orcus::sax::parser_attribute& a) {
        if (!a.ns.empty() || a.name.size() > 2) return;
        if (a.name == "t") type_ = kept(a, 0);
        else if (a.name == "r") ref_ = kept(a, 1);
        else if (a.name == "si") shared_ = wholeNumber(a.value);
    }

    void start_element(const orcus::sax::parser_element& e) {
        if (!inCell_) {
            if (e.name == "c" && !ref_.empty() &&
                (type_ == "b" || type_ == "e" || type_ == "inlineStr")) {
                inCell_ = true;
                cell_ = XlsxTypedCell();
                cell_.address.assign(ref_);
                cell_.error = type_ == "e";
                cell_.inlineText = type_ == "inlineStr";
            }
        } else if (e.name == "v") {
            cell_.value.clear();
            into_ = &cell_.value;
        } else if (e.name == "f") {
            cell_.formula = true;
            cell_.formulaText.clear();
            cell_.shared = shared_;
            into_ = &cell_.formulaText;
        } else if (e.name == "t" && cell_.inlineText && !phonetic_) {
            // The text, or its runs of rich text one after the other.
            into_ = &cell_.value;
            limited_ = true;
        } else if (e.name == "rPh") {
            phonetic_ = true; // a reading aid, not part of the text
        }
        type_ = ref_ = {};
        shared_ = -1;
    }

    void end_element(const orcus::sax::parser_element& e) {
        if (!inCell_) return;
        if (e.name == "c") {
            if (!cell_.value.empty() && !(cell_.inlineText && cell_.formula))
                out_.push_back(std::move(cell_));
            inCell_ = phonetic_ = false;
        } else if (e.name == "rPh") {
            phonetic_ = false;
        }
        into_ = nullptr;
        limited_ = false;
    }

    void characters(std::string_view s, bool) {
        if (!into_) return;
        if (limited_ && into_->size() + s.size() > kMaxWorkbookText)
            throw WorkbookRefused("text longer than the limit");
        into_->append(s);
    }

private:
    // An attribute's value as long as its element is being started: the
    // parser's text, or a copy of what it decoded into a buffer it reuses.
    std::string_view kept(const orcus::sax::parser_attribute& a, int slot) {
        return a.transient ? std::string_view(decoded_[slot].assign(a.value)) : a.value;
    }

    std::vector<XlsxTypedCell>& out_;
    // The unprefixed attributes of the element about to start.
    std::string_view type_, ref_;
    std::string decoded_[2];
    long shared_ = -1;

    bool inCell_ = false, phonetic_ = false, limited_ = false;
    XlsxTypedCell cell_;
    std::string* into_ = nullptr; // where the text being read goes
};

} // namespace

std::map<long, std::string> xlsxSheetIds(std::string_view bytes) {
    std::map<long, std::string> ids;
    BookHandler book;
    if (!readBookPart(bytes, "xl/workbook.xml", book, nullptr)) return ids;
    for (BookSheet& s : book.sheets)
        if (s.id >= 1) ids.emplace(s.id - 1, std::move(s.name));
    return ids;
}

std::map<std::string, std::vector<XlsxTypedCell>> xlsxTypedCells(std::string_view bytes,
                                                                  std::set<std::string>* checked) {
    std::map<std::string, std::vector<XlsxTypedCell>> out;
    BookHandler book, rels;
    if (!readBookPart(bytes, "xl/workbook.xml", book, checked) ||
        !readBookPart(bytes, "xl/_rels/workbook.xml.rels", rels, checked))
        return out;
    std::string xml;
    for (const BookSheet& s : book.sheets) {
        auto target = rels.targets.find(s.rid);
        if (s.rid.empty() || target == rels.targets.end()) continue;
        // Targets are relative to the book's folder unless absolute.
        const std::string& t = target->second;
        const std::string part = t.starts_with('/') ? t.substr(1) : "xl/" + t;
        if (!readArchivePart(bytes, part.c_str(), xml, kParserGuard)) continue;
        std::vector<XlsxTypedCell>& cells = out[s.name];
        parseXmlPart(xml, [&](const char* text, size_t size) {
            CellHandler handler(cells);
            orcus::sax_parser<CellHandler> parser(text, size, handler);
            parser.parse();
        });
        if (checked) checked->insert(part);
    }
    return out;
}

} // namespace spread::detail
