// The table of section shapes.
#include "sections/section_shapes.h"

#include "platform/core/numbered_texts.h"

#include <array>
#include <vector>

namespace {

// A dimension caption: a numbered text and, for repeated dimensions, a
// number after a space ("Distance 1").
struct Caption {
    int text;
    int repeat = 0;
};

struct Shape {
    const wchar_t* imageBase;
    std::vector<Caption> captions;
};

const std::vector<Caption> kSigma = {{736}, {737}, {748}, {744}, {743, 1}, {743, 2}, {750}};
const std::vector<Caption> kSingleCleat = {{736}, {737}, {744}, {743, 1}, {743, 2}};

std::vector<Caption> plus(std::vector<Caption> base, std::initializer_list<Caption> more) {
    base.insert(base.end(), more);
    return base;
}

const std::array<Shape, kSectionShapeCount>& shapes() {
    static const std::array<Shape, kSectionShapeCount> table = {{
        {L"ProfSectionI", {{736}, {737}, {738}, {739}, {740}}},
        {L"ProfSectionCL", {{736}, {737}, {738}, {739}}},
        {L"ProfSectionHL", {{736}, {737}, {738}, {739}, {741}, {742}}},
        {L"ProfSectionCU", {{736}, {737}, {744}, {749}}},
        {L"ProfSectionT", {{736}, {737}, {738}, {739}, {741}}},
        {L"ProfSectionOI", {{736}, {737}, {738}, {739}, {741}, {742}, {745}, {746}}},
        {L"ProfSectionOU", {{736}, {737}, {738}, {739}, {741}, {742}, {745}, {746}}},
        {L"ProfSectionRect", {{737}, {744}}},
        {L"ProfSectionRound", {{747}}},
        {L"ProfSectionRectTube", {{736}, {737}, {744}, {740}}},
        {L"ProfSectionRoundTube", {{747}, {744}}},
        {L"ProfSectionC", {{736}, {737}, {748}, {744}}},
        {L"ProfSectionZ", {{736}, {737}, {749}, {748}, {744}}},
        {L"ProfSectionV", {{751}, {744}, {752}}},
        {L"ProfSectionO", {{736}, {737}, {744}, {753}}},
        {L"ProfSectionQ", {{736}, {737}, {744}, {753}}},
        {L"ProfSectionCuttedI", {{736}, {737}, {738}, {739}, {741}}},
        {L"ProfSectionSigma", kSigma},
        {L"ProfSectionSigma+", plus(kSigma, {{1685}})},
        {L"ProfSectionSigma Sleeve", plus(kSigma, {{1686}, {1687}})},
        {L"ProfSectionC+", {{736}, {737}, {748}, {744}, {1684}, {1685}}},
        {L"ProfSectionC Sleeve", {{736}, {749}, {737}, {744}}},
        {L"ProfSectionSingle Cleat", kSingleCleat},
        {L"ProfSectionDouble Cleat", plus(kSingleCleat, {{749}})},
    }};
    return table;
}

// Display names are texts 2501 to 2524.
constexpr int kFirstShapeNameText = 2501;

const Shape* shapeOf(int shape) {
    if (shape < 1 || shape > kSectionShapeCount) return nullptr;
    return &shapes()[static_cast<size_t>(shape - 1)];
}

} // namespace

Zrl_String sectionImageBaseName(int shape) {
    const Shape* s = shapeOf(shape);
    return s ? Zrl_String(s->imageBase) : Zrl_String();
}

Zrl_String sectionShapeName(int shape) {
    return shapeOf(shape) ? dialString(kFirstShapeNameText + shape - 1) : Zrl_String();
}

Zrl_String sectionPictureName(const Zrl_String& picture) {
    if (picture.endsWith(L".dwg", false)) return picture;
    return sectionShapeName(sectionShapeNumber(picture));
}

Zrl_StringArray sectionShapeCaptions(int shape) {
    Zrl_StringArray captions;
    const Shape* s = shapeOf(shape);
    if (!s) return captions;
    for (const Caption& c : s->captions)
        captions.append(c.repeat ? dialString(c.text) + L" " + Zrl_String(c.repeat)
                                 : dialString(c.text));
    return captions;
}
