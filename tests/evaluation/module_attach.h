// The module attached once per test program, as the host's loader would
// attach it (its resources, the template of the pooled windows among them,
// become available), and detached before the program ends, which gives the
// pooled windows back.
#pragma once

#include "entry/entry_point.h"
#include "frame/library_instance.h"
#include "platform/win/resources.h"

#include <gtest/gtest.h>

namespace moduletest {

inline void attachModuleOnce() {
    static const bool attached = zrlss::attachLibrary(win::registerModule(L"zrlss")) == 1;
    ASSERT_TRUE(attached);
}

class DetachAtEnd : public ::testing::Environment {
public:
    void TearDown() override { zrlss::detachLibrary(); }
};

inline const auto* const kDetachAtEnd = ::testing::AddGlobalTestEnvironment(new DetachAtEnd);

} // namespace moduletest
