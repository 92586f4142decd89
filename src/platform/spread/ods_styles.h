// The styles of an OpenDocument spreadsheet as the .ods reader meets them
// in styles.xml and in content.xml's automatic styles: cell styles (font,
// text and fill colours, number format, each inherited from the default
// style and the parent styles), column widths and row heights. A cell style
// becomes a cell format of WorkbookStyles when a cell first uses it.
// Private to the .ods reader.
#pragma once

#include "platform/spread/workbook_styles.h"

#include <cstdint>
#include <optional>
#include <orcus/types.hpp>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace spread::detail {

// The namespaces of the format the reader tells apart.
enum class OdsNs : uint8_t { Other, Office, Table, Text, Style, Fo, Number, Calcext, Svg };

struct OdsAttr {
    OdsNs ns;
    std::string_view name, value;
};

// The value of attribute ns:name, empty when missing.
std::string_view odsAttr(const std::vector<OdsAttr>& attrs, OdsNs ns, std::string_view name);

struct OdsLength {
    double value = 0;
    orcus::length_unit_t unit = orcus::length_unit_t::unknown;
};

class OdsStyles {
public:
    explicit OdsStyles(WorkbookStyles& out) : out_(out) {}

    // An element inside office:font-face-decls, office:styles or
    // office:automatic-styles (`automatic`), and its end.
    void start(OdsNs ns, std::string_view name, const std::vector<OdsAttr>& attrs, bool automatic);
    void end(OdsNs ns, std::string_view name);

    // The cell format of the cell style `name`, none for an unknown name.
    std::optional<size_t> cellFormat(std::string_view name);
    const OdsLength* columnWidth(std::string_view name) const;
    const OdsLength* rowHeight(std::string_view name) const;

private:
    // What a cell style sets; unset fields are inherited.
    struct CellProps {
        std::optional<std::string> fontName, dataStyle;
        std::optional<double> fontSize;
        std::optional<bool> bold, italic, underline;
        std::optional<Color> color, back; // back kDefaultColor: no fill
    };
    struct CellStyleRec {
        std::string parent;
        CellProps props;
    };
    enum class Current { None, Cell, Column, Row, Number };

    static void inherit(CellProps& into, const CellProps& from);
    size_t commitFormat(const CellProps& p);

    WorkbookStyles& out_;
    CellProps default_;
    std::unordered_map<std::string, CellStyleRec> named_, automatic_;
    std::unordered_map<std::string, OdsLength> widths_, heights_;
    std::unordered_map<std::string, std::string> numberCodes_, fontFaces_;
    // Looked up by views of the file's text, without copying them.
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, std::optional<size_t>, NameHash, std::equal_to<>>
        formats_; // by cell style name
    bool defaultFontCommitted_ = false;

    // The element being read.
    Current current_ = Current::None;
    CellProps* props_ = nullptr;
    std::string name_;
    // A number style: its kind ("number-style", "text-style", ...), its
    // number elements and the elements that make it more than a number.
    std::string numberKind_;
    int numbers_ = 0, others_ = 0, decimals_ = 0;
    bool grouping_ = false;
};

} // namespace spread::detail
