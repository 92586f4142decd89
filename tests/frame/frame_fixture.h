// Shared set-up of the frame's tests: a fresh host and scripted user, and
// the module attached under a module handle of its own, with the test
// dialogs' template.
#pragma once

#include "frame/library_instance.h"
#include "platform/host/command_line.h"
#include "platform/host/host_state.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"
#include "test_dialogs.h"

#include <gtest/gtest.h>
#include <memory>

namespace frame_test {

struct FreshSession {
    FreshSession() {
        host::resetHostState();
        win::script().reset();
        module = win::registerModule(L"frame-test");
        attached = zrlss::attachLibrary(module);
        registerTestTemplate(module);
    }
    ~FreshSession() {
        win::script().reset();
        host::resetHostState();
    }
    win::ModuleHandle module = win::ModuleHandle::None;
    int attached = 0;
};

// A fixture whose capture of the command line starts after the reset.
class FrameTest : public ::testing::Test, protected FreshSession {
protected:
    host::PrintCapture printed;
};

} // namespace frame_test
