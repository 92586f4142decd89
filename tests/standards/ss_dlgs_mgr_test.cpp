// The pool of hidden standards windows.
#include "frame/library_instance.h"
#include "platform/host/call_log.h"
#include "platform/host/host_state.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"
#include "standards/dlg_ss_standards.h"
#include "standards/ss_dlgs_mgr.h"

#include <gtest/gtest.h>

namespace pooltest {
namespace {

// A fresh host and scripted user, and the module attached (the pooled
// windows' template comes with its resources).
class Pool : public ::testing::Test {
protected:
    Pool() {
        host::resetHostState();
        win::script().reset();
        zrlss::attachLibrary(win::registerModule(L"pool-test"));
    }
    ~Pool() override {
        pool.destroyAll();
        win::script().reset();
        host::resetHostState();
    }

    static win::Window* window(void* dlg) { return static_cast<CDlgSSStandards*>(dlg); }

    VkSSDlgsMgr pool;
};

TEST_F(Pool, HandsOutHiddenWindowsOfTheMainWindow) {
    void* dlg = pool.getDlg();
    ASSERT_NE(dlg, nullptr);
    win::Window* w = window(dlg);
    EXPECT_TRUE(w->isCreated());
    EXPECT_FALSE(w->isVisible());
    // Owned by the host's main window (popups keep no parent).
    EXPECT_EQ(host::countCalls("adsw_acadMainWnd"), 1);
    EXPECT_NE(w->child(IDC_SS_STANDARDS_SHEET), nullptr);
    EXPECT_TRUE(pool.isHandedOut(0));
}

TEST_F(Pool, ReleasedWindowIsHandedOutAgainForeignPointersAreRefused) {
    void* only = pool.getDlg();
    int foreign = 0;
    EXPECT_EQ(pool.releaseDlg(&foreign), Acad::eInvalidInput);
    EXPECT_EQ(pool.releaseDlg(nullptr), Acad::eInvalidInput);
    EXPECT_TRUE(pool.isHandedOut(0));
    EXPECT_EQ(pool.releaseDlg(only), Acad::eOk);
    EXPECT_FALSE(pool.isHandedOut(0));
    EXPECT_EQ(pool.getDlg(), only);
    EXPECT_EQ(pool.count(), 1);

    // A second caller while the first holds its window gets a new one; the
    // lowest idle window goes out first.
    void* second = pool.getDlg();
    EXPECT_NE(second, only);
    pool.releaseDlg(second);
    pool.releaseDlg(only);
    EXPECT_EQ(pool.getDlg(), only);
    EXPECT_EQ(pool.getDlg(), second);
    EXPECT_EQ(pool.count(), 2);
}

TEST_F(Pool, DestroyAllEmptiesThePool) {
    void* a = pool.getDlg();
    void* b = pool.getDlg();
    pool.releaseDlg(a);
    const win::WindowHandle ha = window(a)->handle();
    const win::WindowHandle hb = window(b)->handle();
    pool.destroyAll();
    EXPECT_EQ(pool.count(), 0);
    EXPECT_FALSE(pool.isHandedOut(0));
    EXPECT_EQ(win::Window::fromHandle(ha), nullptr);
    EXPECT_EQ(win::Window::fromHandle(hb), nullptr);
    // The pool works again afterwards.
    EXPECT_NE(pool.getDlg(), nullptr);
    EXPECT_EQ(pool.count(), 1);
}

} // namespace
} // namespace pooltest
