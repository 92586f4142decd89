// test-timer: a dialog of the tests alone, since none of the module's
// registered dialogs runs a timer: it shows "waiting" and, 500 ms after it
// opened, "fired"; the record {"text"} is what it showed at OK.
#include "dialog_registry.h"
#include "platform/core/record_json.h"
#include "platform/win/dialog.h"
#include "platform/win/resources.h"

namespace {

using nlohmann::json;

constexpr int kTextId = 1001;
constexpr std::uintptr_t kTimerId = 7;

win::ResourceId timerTemplate() {
    static const bool registered = [] {
        win::DialogTemplate t;
        t.id = L"TEST_TIMER";
        t.width = 120;
        t.height = 50;
        t.caption = L"Timer";
        t.style = win::WS_POPUP | win::WS_CAPTION;
        t.controls = {
            {kTextId, win::ControlKind::Edit, {7, 7, 113, 21}, 0, L"waiting"},
            {win::IDOK, win::ControlKind::Button, {7, 28, 57, 42}, 0, L"OK"},
        };
        return win::registerTemplate(win::registerModule(L"dialog-cases-timer"), std::move(t));
    }();
    (void)registered;
    return L"TEST_TIMER";
}

class TimerDialog : public win::Dialog {
public:
    explicit TimerDialog(Zrl_String& text) : win::Dialog(timerTemplate()), text_(text) {}

protected:
    bool onInitDialog() override {
        setTimer(kTimerId, 500);
        return true;
    }
    void onTimer(std::uintptr_t id) override {
        killTimer(id);
        setItemText(kTextId, L"fired");
    }
    void onOK() override {
        text_ = Zrl_String(getItemText(kTextId));
        win::Dialog::onOK();
    }

private:
    Zrl_String& text_;
};

class TimerSession : public dialogs::RecordSession {
public:
    bool readFields(const json&, RecordReader& r, std::string&) override {
        return r.object({"text"}) && r.text("text", text_);
    }
    json start() override {
        TimerDialog dlg(text_);
        return dialogs::endCodeJson(dlg.doModal());
    }
    json record() const override { return {{"text", text_.toUtf8()}}; }

private:
    Zrl_String text_;
};

const dialogs::DialogRegistrar registrar({"test-timer", "TimerDialog (tests)",
                                          "a dialog whose timer fires 500 ms after it opens",
                                          [] { return std::make_unique<TimerSession>(); }});

} // namespace
