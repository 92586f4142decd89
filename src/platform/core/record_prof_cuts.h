// The profile cuts record as JSON, with the drawing it works on. Objects
// are named by handles (texts):
//
//   { "profile": "2A",
//     "profiles": { "2A": { "section": "HEA-200", "cuts": ["End notch 100x50"] },
//                   "2B": { "section": "IPE-200", "cuts": [] } },
//     "picks": ["2B"] }
//
// "profile" must name one of "profiles" (absent: no profile). "picks" are
// the objects the user picks in the drawing, in order; a handle that names
// no profile is another object of the drawing. Writing gives the profile,
// every profile's cuts and the previews left drawn ("previews": [{"profile",
// "cut"}], the cut by its description), which reading accepts and ignores.
#pragma once

#include "platform/core/prof_cuts_data.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

struct ProfCutsScene {
    std::string profile;
    std::map<std::string, DrawingProfile> profiles;
    std::vector<std::string> picks;
};

// False with a one-line reason naming the field; `scene` then unchanged.
bool readProfCutsJson(std::string_view json, ProfCutsScene& scene, std::string& error);
// Puts the scene's profiles, and the other objects its picks name, into the
// drawing, queues its picks and points `data` at its profile; `handles`
// receives each object's handle.
void placeProfCutsScene(const ProfCutsScene& scene, DlgProfCutsData& data,
                        std::map<AcDbObjectId, std::string>& handles);
// The objects without a handle in `handles` are left out.
std::string writeProfCutsJson(const DlgProfCutsData& data,
                              const std::map<AcDbObjectId, std::string>& handles);
