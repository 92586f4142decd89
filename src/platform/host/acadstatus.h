// The host's status codes. Exported operations of the module report through
// these; nothing throws across the module's boundary.
#pragma once

namespace Acad {

enum ErrorStatus : int {
    eOk = 0,
    eNotImplementedYet = 1,
    eNotApplicable = 2,
    eInvalidInput = 3,
    eOutOfMemory = 5,
    eDuplicateKey = 6,
    eKeyNotFound = 7,
    eInvalidIndex = 32,
    eNullObjectId = 72,
    eFileNotFound = 126,
    // Ending or aborting a transaction when none is open.
    eNoActiveTransactions = 140,
    // Bill output without a sheet to write into.
    eNoDatabase = 337,
};

} // namespace Acad

using Acad::ErrorStatus;
