// The drawing's profiles and DlgProfCutsData, the record of the profile
// cuts dialog: one profile of the drawing whose cuts are listed, previewed
// in the drawing and deleted, and the pick of another profile.
//
// A profile is a drawing object (host::addDrawingObject) with a section name
// and its cuts, each known by a one-line description, in cut order. The
// drawing keeps one table of profiles per process (drawingProfiles).
//
// Previews are host transients (platform/host/transients.h) that the record
// draws and removes; it remembers which cut of which profile each shows.
#pragma once

#include "platform/core/zrl_stringarray.h"
#include "platform/host/object_id.h"

#include <map>
#include <vector>

struct DrawingProfile {
    Zrl_String section;
    Zrl_StringArray cuts; // one description per cut, in cut order
    bool operator==(const DrawingProfile&) const = default;
};

// The drawing's profiles by object id.
std::map<AcDbObjectId, DrawingProfile>& drawingProfiles();

class DlgProfCutsData {
public:
    DlgProfCutsData() = default;
    explicit DlgProfCutsData(const AcDbObjectId& profile) : profile(profile) {}
    DlgProfCutsData(const DlgProfCutsData&) = default;
    DlgProfCutsData& operator=(const DlgProfCutsData&) = default;
    virtual ~DlgProfCutsData() = default;

    // The descriptions of the profile's cuts, in cut order; `descs` is
    // replaced (empty for an object that is no profile). Answers the count.
    int getCutDescs(Zrl_StringArray& descs) const;
    // Draws the preview of cut `index` unless it is drawn already; false for
    // an index that names no cut.
    bool drawCutPreview(int index);
    // Removes the preview of cut `index`; false when none is drawn.
    bool removeCutPreview(int index);
    // Removes every preview this record drew, of whatever profile.
    void removeAllCutPreviews();
    // Erases cut `index` from the profile (with its preview, if drawn); the
    // previews of the cuts after it follow their cuts. False for an index
    // that names no cut.
    bool removeCut(int index);
    // Lets the user pick an object in the drawing; true when a profile was
    // picked (it becomes the record's profile). A cancelled pick, or an
    // object that is no profile, changes nothing.
    bool selectOtherProf();

    // Whether the preview of cut `index` of the record's profile is drawn.
    bool hasCutPreview(int index) const;

    AcDbObjectId profile;

private:
    struct Preview {
        AcDbObjectId profile;
        int cut = 0;
        int marker = 0; // the host's transient
    };
    const DrawingProfile* current() const;
    std::vector<Preview>::iterator findPreview(int index);

    std::vector<Preview> previews_;
};
