// The section shapes a table's picture names: numbers 1 to 24, each with the
// base name of its images, a display name and the captions of its dimension
// columns in value-column order. A table whose picture is a drawing
// ("Beam.dwg") has no shape number.
#pragma once

#include "platform/core/section_table_file.h"

inline constexpr int kSectionShapeCount = 24;

// "ProfSectionI" for 1 ... "ProfSectionDouble Cleat" for 24; empty outside.
Zrl_String sectionImageBaseName(int shape);
// "I section" ...; empty outside 1..24.
Zrl_String sectionShapeName(int shape);
// The display name of a picture text: the shape's name, or a drawing's own
// name ("Beam.dwg").
Zrl_String sectionPictureName(const Zrl_String& picture);
// The dimension captions in the work language ("Height h", "Distance 1");
// empty outside 1..24.
Zrl_StringArray sectionShapeCaptions(int shape);
