// Reading a file whole: what is refused, why, and the caller's bytes kept.
#include "platform/files/read_file.h"

#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(ReadFile, RefusesWhatIsNotAFileOrPassesTheBound) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("zrl_read_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "ten", std::ios::binary) << "0123456789";
    std::ofstream(dir / "huge").close(); // larger than any reader takes, yet sparse
    std::filesystem::resize_file(dir / "huge", files::kMaxReadBytes + 1);
    const struct {
        const char* name;
        std::uintmax_t limit;
        const char* reason; // empty: read
    } cases[] = {{"ten", 10, ""},
                 {"ten", 9, "file too large: "},
                 {"huge", files::kMaxReadBytes, "file too large: "},
                 {".", 10, "cannot read "}};
    for (const auto& c : cases) {
        std::string bytes = "as before", why;
        EXPECT_EQ(files::readWholeFile(dir / c.name, bytes, &why, c.limit), !*c.reason) << c.name;
        EXPECT_EQ(bytes, *c.reason ? "as before" : "0123456789") << c.name;
        EXPECT_EQ(why.rfind(c.reason + (dir / c.name).string(), 0),
                  *c.reason ? 0u : std::string::npos)
            << why;
        // The size alone gives the same reason for a file above the bound.
        EXPECT_EQ(files::sizeRefusal(dir / c.name, c.limit),
                  std::string(c.reason) == "file too large: " ? why : "")
            << c.name;
    }
    std::filesystem::remove_all(dir);
}
