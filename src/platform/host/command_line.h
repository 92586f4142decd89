// The host's command line: printing (acutPrintf), posting commands and
// prompts, and redrawing the display.
//
// acutPrintf formats like std::swprintf, with the C library's conversion
// rules: "%ls" takes a wide string, "%s" a narrow one, "%d" an int. The text
// goes to the print sink: the terminal (standard output, as UTF-8) unless a
// sink has been set, e.g. a buffer in a test (see PrintCapture).
#pragma once

#include "platform/host/host_api.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Prints formatted text on the host's command line. Returns the number of
// characters printed, or -1 when the format could not be applied.
ZRLHOST_API int acutPrintf(const wchar_t* format, ...);

// Queues a command line for the host to run once the module returns (e.g.
// L"CANCELCMD"). Returns true; false for a null command.
ZRLHOST_API bool acedPostCommand(const wchar_t* command);

// Asks the host for a fresh command prompt.
ZRLHOST_API void acedPostCommandPrompt();

// Asks the host to redraw the drawing's display.
ZRLHOST_API int acedUpdateDisplay();

namespace host {

using PrintSink = std::function<void(std::wstring_view text)>;

// Replaces the print sink; an empty function restores the terminal.
ZRLHOST_API void setPrintSink(PrintSink sink);

// Commands posted with acedPostCommand, oldest first, and how many prompts
// were posted; cleared by clearPostedCommands().
ZRLHOST_API const std::vector<std::wstring>& postedCommands();
ZRLHOST_API int postedPromptCount();
ZRLHOST_API void clearPostedCommands();

// Collects everything printed while it lives; restores the previous sink
// when it goes.
class ZRLHOST_API PrintCapture {
public:
    PrintCapture();
    ~PrintCapture();
    PrintCapture(const PrintCapture&) = delete;
    PrintCapture& operator=(const PrintCapture&) = delete;

    const std::wstring& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    std::wstring text_;
    PrintSink previous_;
};

// The current sink (empty when printing goes to the terminal).
ZRLHOST_API const PrintSink& printSink();

} // namespace host
