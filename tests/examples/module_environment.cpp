// Gives the pooled windows back before the program ends, as the library's
// detach would.
#include "frame/library_instance.h"

#include <gtest/gtest.h>

namespace {

class ModuleEnvironment : public ::testing::Environment {
public:
    void TearDown() override { zrlss::detachLibrary(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

} // namespace
