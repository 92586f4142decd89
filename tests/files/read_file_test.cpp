// Reading a file whole: what is refused, with which reason, and that a
// refusal leaves the caller's bytes alone.
#include "platform/files/read_file.h"

#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(ReadFile, RefusesWhatIsNotAFileOrPassesTheBound) {
    const fs::path dir = fs::temp_directory_path() / ("zrl_read_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "ten", std::ios::binary) << "0123456789";
    // Larger than any reader takes, yet taking no room: refused from its size.
    std::ofstream(dir / "huge", std::ios::binary).close();
    fs::resize_file(dir / "huge", files::kMaxReadBytes + 1);
    const struct {
        const char* name;
        std::uintmax_t limit;
        const char* reason; // empty: read
    } cases[] = {
        {"ten", 10, ""},
        {"ten", 9, "file too large: "},
        {"huge", files::kMaxReadBytes, "file too large: "}, // "... (more than 1 GiB)"
        {"missing", 10, "cannot read "},
        {".", 10, "cannot read "},
    };
    for (const auto& c : cases) {
        std::string bytes = "as before", why;
        const bool read = files::readWholeFile(dir / c.name, bytes, &why, c.limit);
        EXPECT_EQ(read, !*c.reason) << c.name << " " << c.limit;
        if (read) {
            EXPECT_EQ(bytes, "0123456789");
        } else {
            EXPECT_EQ(bytes, "as before") << c.name;
            EXPECT_EQ(why.rfind(c.reason + (dir / c.name).string(), 0), 0u) << why;
        }
    }
    fs::remove_all(dir);
}
