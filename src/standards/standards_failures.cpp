#include "standards/standards_failures.h"

namespace {

struct SinkState {
    StandardsFailureSink sink = nullptr;
    void* context = nullptr;
    Zrl_String lookupFault;
};

SinkState& state() {
    thread_local SinkState s;
    return s;
}

} // namespace

StandardsFailureSink setStandardsFailureSink(StandardsFailureSink sink, void* context) {
    SinkState& s = state();
    const StandardsFailureSink old = s.sink;
    s.sink = sink;
    s.context = context;
    return old;
}

void reportStandardsFailure(const StandardsFailure& failure) {
    const SinkState& s = state();
    if (s.sink != nullptr) s.sink(failure, s.context);
}

bool standardsFailureSinkSet() {
    return state().sink != nullptr;
}

void noteLookupFault(const Zrl_String& reason) {
    SinkState& s = state();
    if (s.sink != nullptr && s.lookupFault.isEmpty()) s.lookupFault = reason;
}

Zrl_String takeLookupFault() {
    Zrl_String out;
    std::swap(out, state().lookupFault);
    return out;
}
