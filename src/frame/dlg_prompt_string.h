// Zrl_DlgPromptString: the module's modal prompt for one line of text. The
// caller gives the caption, the prompt above the field, the text the field
// starts with and the texts of the OK and Cancel buttons; OK hands back
// whatever the field holds (an empty text too), Cancel nothing.
//
//   Zrl_DlgPromptString dlg(dialString(631), dialString(632), dialString(171),
//                           dialString(1), dialString(2));
//   if (dlg.ask()) use(dlg.value());
//
// or in one call:
//
//   if (auto name = promptString(caption, prompt, proposed, okText, cancelText))
//       use(*name);
//
// A caller that refuses the answer (a name already taken) asks again with
// the refused text proposed: promptStringUntil.
//
// Action scripts address the dialog as `dialog prompt` whatever its
// caption; its field is IDC_PROMPT_VALUE (1001).
#pragma once

#include "frame/dlg_prompt_string_ids.h"
#include "platform/core/zrl_string.h"
#include "platform/win/dialog.h"

#include <functional>
#include <optional>

class Zrl_DlgPromptString : public win::Dialog {
public:
    static constexpr const wchar_t* kScriptName = L"prompt";

    explicit Zrl_DlgPromptString(win::Window* parent = nullptr);
    // Empty button texts keep the template's "OK" and "Cancel".
    Zrl_DlgPromptString(const Zrl_String& caption, const Zrl_String& prompt,
                        const Zrl_String& initialValue, const Zrl_String& okText = Zrl_String(),
                        const Zrl_String& cancelText = Zrl_String(), win::Window* parent = nullptr);
    ~Zrl_DlgPromptString() override;

    // The dialog's template, as the module registers it.
    static win::DialogTemplate dialogTemplate();

    void setCaption(const Zrl_String& caption) { caption_ = caption; }
    void setPrompt(const Zrl_String& prompt) { prompt_ = prompt; }
    // The text the field starts with; after OK, the text entered.
    void setValue(const Zrl_String& value) { value_ = value; }
    void setButtonTexts(const Zrl_String& okText, const Zrl_String& cancelText);
    const Zrl_String& caption() const { return caption_; }
    const Zrl_String& prompt() const { return prompt_; }
    const Zrl_String& value() const { return value_; }
    const Zrl_String& okText() const { return okText_; }
    const Zrl_String& cancelText() const { return cancelText_; }

    // Runs the prompt modally with the module's resources current. True on
    // OK, with the entered text in value(); false on Cancel (value() keeps
    // the text it started with) or when the dialog cannot be made.
    bool ask() noexcept;

    std::wstring scriptName() const override { return kScriptName; }

protected:
    bool onInitDialog() override;
    void onOK() override;

private:
    Zrl_String caption_;
    Zrl_String prompt_;
    Zrl_String value_;
    Zrl_String okText_;
    Zrl_String cancelText_;
};

// The prompt in one call: the entered text on OK, nothing on Cancel.
std::optional<Zrl_String> promptString(const Zrl_String& caption, const Zrl_String& prompt,
                                       const Zrl_String& initialValue,
                                       const Zrl_String& okText = Zrl_String(),
                                       const Zrl_String& cancelText = Zrl_String(),
                                       win::Window* parent = nullptr) noexcept;

// Asks with `dlg` until `accept` takes the entered text (a refusing `accept`
// tells the user why, a message box for instance); each new ask proposes
// the refused text. Nothing on Cancel, and nothing once `maxAsks` answers
// were refused, so that a refused text is never used. `dlg` ends holding
// the last text entered.
std::optional<Zrl_String> promptStringUntil(Zrl_DlgPromptString& dlg,
                                            const std::function<bool(const Zrl_String&)>& accept,
                                            int maxAsks = 20);
