#include "platform/host/command_line.h"

#include "platform/host/call_log.h"
#include "platform/text/utf.h"

#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace host {

namespace {
PrintSink& sinkSlot() {
    static PrintSink sink;
    return sink;
}
std::vector<std::wstring>& posted() {
    static std::vector<std::wstring> commands;
    return commands;
}
int& promptCount() {
    static int count = 0;
    return count;
}

// Formats into a buffer that grows until the text fits; swprintf reports a
// too small buffer and an encoding error alike (-1), so growth stops at a
// size no command-line text reaches.
int formatWide(std::wstring& out, const wchar_t* format, va_list args) {
    constexpr std::size_t kLimit = std::size_t{1} << 22;
    std::vector<wchar_t> buffer(256);
    while (true) {
        va_list copy;
        va_copy(copy, args);
        const int n = std::vswprintf(buffer.data(), buffer.size(), format, copy);
        va_end(copy);
        if (n >= 0) {
            out.assign(buffer.data(), static_cast<std::size_t>(n));
            return n;
        }
        if (buffer.size() >= kLimit) return -1;
        buffer.resize(buffer.size() * 4);
    }
}
} // namespace

void setPrintSink(PrintSink sink) {
    sinkSlot() = std::move(sink);
}

const PrintSink& printSink() {
    return sinkSlot();
}

const std::vector<std::wstring>& postedCommands() {
    return posted();
}
int postedPromptCount() {
    return promptCount();
}
void clearPostedCommands() {
    posted().clear();
    promptCount() = 0;
}

PrintCapture::PrintCapture() : previous_(sinkSlot()) {
    sinkSlot() = [this](std::wstring_view text) { text_.append(text); };
}

PrintCapture::~PrintCapture() {
    sinkSlot() = std::move(previous_);
}

} // namespace host

int acutPrintf(const wchar_t* format, ...) {
    if (!format) {
        host::recordCall("acutPrintf", {L"null"});
        return -1;
    }
    std::wstring text;
    va_list args;
    va_start(args, format);
    const int n = host::formatWide(text, format, args);
    va_end(args);
    host::recordCall("acutPrintf", {n >= 0 ? text : std::wstring(format)});
    if (n < 0) return -1;
    if (host::sinkSlot()) {
        host::sinkSlot()(text);
    } else {
        const std::string utf8 = zrltext::toUtf8(text);
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
        std::fflush(stdout);
    }
    return n;
}

bool acedPostCommand(const wchar_t* command) {
    host::recordCall("acedPostCommand", {command ? command : L"null"});
    if (!command) return false;
    host::posted().emplace_back(command);
    return true;
}

void acedPostCommandPrompt() {
    host::recordCall("acedPostCommandPrompt");
    ++host::promptCount();
}

int acedUpdateDisplay() {
    host::recordCall("acedUpdateDisplay");
    return 5100; // the host's normal result
}
