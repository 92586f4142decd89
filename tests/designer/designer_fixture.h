// Designer tests: a scratch library folder with the designer root folder,
// the module's resources, and a live dialog for a model to bind to (design
// or run mode), standing in for the core's own dialog.
#pragma once

#include "designer/designer_files.h"
#include "designer/dlg_designer_data.h"
#include "frame/module_resources.h"
#include "platform/core/rect_tracker.h"
#include "platform/core/settings.h"
#include "platform/win/dialog.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace designertest {

namespace fs = std::filesystem;

inline constexpr const wchar_t* kHostTemplate = L"DESIGNER_TEST_HOST";

inline win::ModuleHandle moduleHandle() {
    static const win::ModuleHandle module = [] {
        const win::ModuleHandle m = win::registerModule(L"zrlss-designer-test");
        zrlss::registerModuleResources(m);
        win::DialogTemplate t{.id = kHostTemplate, .width = 500, .height = 300};
        t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_VISIBLE;
        win::registerTemplate(m, t);
        return m;
    }();
    return module;
}

inline Zrl_String text(const fs::path& p) {
    return Zrl_String::fromUtf8(p.string());
}

inline void writePicture(const fs::path& path, int width, int height) {
    fs::create_directories(path.parent_path());
    win::Bitmap picture(width, height, win::rgb(255, 255, 255));
    picture.fillRect({0, 0, width / 2, height / 2}, win::rgb(10, 20, 30));
    ASSERT_TRUE(picture.save(path.wstring()));
}

inline void writeText(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

inline Zrl_DesignerControl makeControl(Zrl_ControlType type, double x1, double y1, double x2,
                                       double y2, const wchar_t* contents = L"",
                                       const wchar_t* list = L"") {
    Zrl_DesignerControl c;
    c.type = type;
    c.topLeftX = x1;
    c.topLeftY = y1;
    c.bottomRightX = x2;
    c.bottomRightY = y2;
    c.contents = contents;
    c.setSplitExtComboList(list);
    return c;
}

// A scratch library whose designer root folder exists; the scripted user
// and the tracker's drags are reset around each test.
class DesignerTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::script().reset();
        clearTrackerDrags();
        lib = fs::temp_directory_path() /
              ("zrlss-designer-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(lib);
        root = lib / "Dialog Templates" / "Dialog Design";
        fs::create_directories(root);
        Zrl_Settings::setLibDir(text(lib));
        Zrl_Settings::setConfigDir(text(lib / "config"));
        guard = std::make_unique<win::ResourceModuleGuard>(moduleHandle());
    }
    void TearDown() override {
        host.reset();
        guard.reset();
        win::script().reset();
        clearTrackerDrags();
        Zrl_Settings::setLibDir(Zrl_String());
        Zrl_Settings::setConfigDir(Zrl_String());
        std::error_code ec;
        fs::remove_all(lib, ec);
    }

    // A live host dialog with `data` bound in the given mode and a picture
    // of 200 x 100 pixels (none when `picture` is false).
    void bind(Zrl_DlgDesignerData& data, bool designMode, bool picture = true) {
        host = std::make_unique<win::Dialog>();
        ASSERT_TRUE(host->create(kHostTemplate));
        ASSERT_TRUE(data.initialize(host.get(), 33000, 33099, 0, 0, 0, 0, 0, designMode));
        if (picture) {
            writePicture(root / "host.bmp", 200, 100);
            ASSERT_TRUE(data.attachBitmap(text(root / "host.bmp")));
        }
    }

    fs::path lib;
    fs::path root;
    std::unique_ptr<win::ResourceModuleGuard> guard;
    std::unique_ptr<win::Dialog> host;
};

} // namespace designertest
