// The chain of sheet files whose evaluations are in progress, outermost
// first. A child call runs a complete evaluation of another sheet inside an
// equation of its caller; a sheet that is already on the chain may not be
// called again, or sheets that call each other (A calls B, B calls A) would
// nest without end and use up the pool of windows and the stack.
#pragma once

#include "platform/core/zrl_string.h"

namespace child_call {

// Deepest nesting of evaluations allowed, whatever the files: a last guard
// for files that reach each other under names the chain cannot tell apart.
constexpr int kMaxDepth = 32;

// Puts a sheet file on the chain for the life of the object.
class OpenSheet {
public:
    explicit OpenSheet(const Zrl_String& file);
    ~OpenSheet();
    OpenSheet(const OpenSheet&) = delete;
    OpenSheet& operator=(const OpenSheet&) = delete;
};

// Number of evaluations in progress.
int depth();

// True when `file` names a sheet on the chain: the same path without case,
// or the same file on disk.
bool isOpen(const Zrl_String& file);

} // namespace child_call
