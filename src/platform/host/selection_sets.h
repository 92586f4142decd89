// Selection sets of the host's drawing: acedSSGet makes a set, acedSSLength,
// acedSSName read it, acedSSFree frees it; acdbGetObjectId turns an entity
// name from a set into an object id.
//
// The headless drawing is a set of object ids that a test (or the zrlss
// command) fills; the "previous selection" is a list of ids it sets. Only the
// previous-selection mode ("_P" or "P") yields objects: without a mode the
// host would ask the user, and here nobody answers (RTCAN).
#pragma once

#include "platform/host/acadstatus.h"
#include "platform/host/host_api.h"
#include "platform/host/object_id.h"

#include <cstdint>
#include <vector>

// Results of the host's selection and command-line functions.
constexpr int RTNORM = 5100;
constexpr int RTERROR = -5001;
constexpr int RTCAN = -5002;

// A selection set's or an entity's name: two numbers.
typedef std::int64_t ads_name[2];

// Makes a selection set from the mode text; `pt1`, `pt2` and `filter` are
// accepted for the host's shape and ignored. RTNORM and the set's name in
// `ss`; RTERROR for an unknown mode, an empty previous selection or a null
// `ss`; RTCAN without a mode.
ZRLHOST_API int acedSSGet(const wchar_t* mode, const void* pt1, const void* pt2, const void* filter,
                          ads_name ss);
// The number of entities in a live set: RTNORM, else RTERROR.
ZRLHOST_API int acedSSLength(const ads_name ss, std::int32_t* length);
// The name of entity i (from 0) of a live set: RTNORM, else RTERROR.
ZRLHOST_API int acedSSName(const ads_name ss, std::int32_t i, ads_name entity);
// Frees a live set: RTNORM, else RTERROR (a set is freed once).
ZRLHOST_API int acedSSFree(const ads_name ss);

// A point of the drawing (x, y, z).
typedef double ads_point[3];

// Asks the user to pick one object: RTNORM with its entity name (and the
// picked point, the origin here) in `entity`; RTCAN when the user cancels
// (no pick queued); RTERROR for a pick that hit no object of the drawing or
// a null `entity`. Picks come from a queue (host::queuePick).
ZRLHOST_API int acedEntSel(const wchar_t* prompt, ads_name entity, ads_point point);

// The object id of an entity name: eOk; eInvalidInput for a name that is no
// entity or whose object is not (or no longer) in the drawing.
ZRLHOST_API ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name entity);

namespace host {

// Adds a new object to the drawing and returns its id.
ZRLHOST_API AcDbObjectId addDrawingObject();
// Erases an object from the drawing (ids of it then fail in acdbGetObjectId).
ZRLHOST_API void eraseDrawingObject(const AcDbObjectId& id);
ZRLHOST_API bool isInDrawing(const AcDbObjectId& id);
// Empties the drawing, the previous selection, every selection set and the
// queued picks.
ZRLHOST_API void clearDrawing();

// Sets the objects that the previous-selection mode returns.
ZRLHOST_API void setPreviousSelection(const std::vector<AcDbObjectId>& ids);
// Queues the object the user picks at the next acedEntSel (a null id: a
// pick beside every object).
ZRLHOST_API void queuePick(const AcDbObjectId& id);
// The picks queued and not yet taken.
ZRLHOST_API int queuedPicks();

// How many selection sets are live (made and not yet freed).
ZRLHOST_API int liveSelectionSets();

} // namespace host
