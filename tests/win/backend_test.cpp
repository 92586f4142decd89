// The back-end seam: a back end installed in place of the scripted user runs
// the modal dialogs, answers the boxes and menus, and hears the window events.
#include "platform/win/backend.h"
#include "win_fixture.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace wintest;

// Answers everything itself and writes down what it was told.
class RecordingBackend : public win::Backend {
public:
    std::vector<std::wstring> log;

    void beginModal(win::Dialog& d) override { log.push_back(L"begin " + d.text()); }
    void runModal(win::Dialog& d) override {
        log.push_back(L"run " + d.text());
        d.type(IDC_NAME, L"typed by the back end");
        d.click(win::IDOK);
    }
    void endModal(win::Dialog& d) override { log.push_back(L"end " + d.text()); }
    void messageBox(win::Window*, win::MessageBoxRecord& box) override { box.answer = win::IDNO; }
    win::FileDialogResult fileDialog(const win::FileDialogRequest&) override {
        return {true, {L"/tmp/chosen.vks"}};
    }
    int popupMenu(const win::Menu&, win::Point, win::Window*) override { return 7; }
    std::uint32_t dragDrop(const win::DataObject&, std::uint32_t) override {
        return win::DROPEFFECT_LINK;
    }
    void windowEvent(win::Window& w, win::WindowEvent e) override {
        if (w.className() == L"Dialog") events.push_back(e);
    }
    std::vector<win::WindowEvent> events;
};

using BackendTest = WinTest;

TEST_F(BackendTest, AnInstalledBackendAnswersInPlaceOfTheScriptedUser) {
    RecordingBackend rec;
    {
        win::BackendScope scope(rec);
        // A queued scripted answer is the scripted back end's; this one ignores it.
        win::script().queueMessageBoxAnswer(win::IDYES);
        EXPECT_EQ(win::messageBox(nullptr, L"Save?", L"Q", win::MB_YESNO), win::IDNO);
        EXPECT_EQ(win::fileDialog({}).path(), L"/tmp/chosen.vks");
        win::Menu menu;
        menu.appendItem(7, L"Seven");
        EXPECT_EQ(win::trackPopupMenu(menu, {}, nullptr, win::TPM_RETURNCMD), 7);
        EXPECT_EQ(win::doDragDrop({}, win::DROPEFFECT_COPY), win::DROPEFFECT_LINK);

        win::Dialog dlg(L"idd_inner");
        EXPECT_EQ(dlg.doModal(), win::IDOK);
        EXPECT_EQ(rec.log, (std::vector<std::wstring>{L"begin ", L"run Inner", L"end Inner"}));
    }
    // What was shown is recorded whoever answered.
    const win::Shown& shown = win::script().shown();
    ASSERT_EQ(shown.messageBoxes.size(), 1u);
    EXPECT_EQ(shown.messageBoxes[0].answer, win::IDNO);
    EXPECT_EQ(shown.fileDialogs.at(0).paths.at(0), L"/tmp/chosen.vks");
    EXPECT_EQ(shown.menus.at(0).chosen, 7);
    EXPECT_EQ(shown.dialogs, std::vector<std::wstring>{L"Inner"});
    using E = win::WindowEvent;
    const std::vector<E>& ev = rec.events;
    ASSERT_GE(ev.size(), 3u);
    EXPECT_EQ(ev.front(), E::Created);
    EXPECT_NE(std::find(ev.begin(), ev.end(), E::StyleChanged), ev.end()); // shown
    EXPECT_EQ(ev.back(), E::Destroying);

    // The scope put the scripted user back: the queued YES is still waiting.
    EXPECT_EQ(&win::backend(), &win::scriptedBackend());
    EXPECT_EQ(win::messageBox(nullptr, L"Save?", L"Q", win::MB_YESNO), win::IDYES);
}

TEST_F(BackendTest, ScriptedFunctionsFollowNestedModalsThroughTheSeam) {
    // The outer dialog's function opens an inner one that takes the next
    // function; a dialog that fails to build gives its function up.
    std::vector<std::wstring> played;
    auto& s = win::script();
    s.onNextModal([&](win::Dialog&) { played.push_back(L"missing"); });
    win::Dialog missing(L"no such template");
    EXPECT_EQ(missing.doModal(), -1);
    s.onNextModal([&](win::Dialog& d) {
        played.push_back(L"outer");
        win::Dialog inner(L"idd_inner", &d);
        EXPECT_EQ(inner.doModal(), win::IDOK);
        d.click(win::IDCANCEL);
    });
    s.onNextModal([&](win::Dialog& d) {
        played.push_back(L"inner");
        d.click(win::IDOK);
    });
    win::Dialog outer(L"idd_inner");
    EXPECT_EQ(outer.doModal(), win::IDCANCEL);
    EXPECT_EQ(played, (std::vector<std::wstring>{L"outer", L"inner"}));
    EXPECT_EQ(s.pendingModals(), 0);

    s.reset();
    EXPECT_EQ(win::setTimer(50, [](std::uintptr_t) {}), 1u);
    EXPECT_EQ(win::nextTimerDue(), std::optional<std::uint64_t>(50));
    win::advanceClock(60);
    EXPECT_EQ(win::nextTimerDue(), std::optional<std::uint64_t>(100));
}

} // namespace
