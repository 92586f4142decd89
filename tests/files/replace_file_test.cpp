// Replacing files whole: what the target becomes, what is refused, and that
// no failure or stop signal leaves a temporary or a damaged target.
#include "platform/files/replace_file.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class ReplaceFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zrl_replace_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                "_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        files::testing::failNthCall(0);
        fs::remove_all(dir_);
    }
    fs::path at(const std::string& name) const { return dir_ / name; }
    static void put(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    static std::string get(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The names in the folder, sorted: a left temporary shows here.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir_))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
    fs::path dir_;
};

int modeOf(const fs::path& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return static_cast<int>(st.st_mode & 07777);
}

TEST_F(ReplaceFile, ExistingTargetKeepsItsPermissionsAndANewOneFollowsTheUmask) {
    for (int mode : {0600, 0444, 0640, 0755}) {
        put(at("t"), "old");
        ::chmod(at("t").c_str(), static_cast<mode_t>(mode));
        ASSERT_TRUE(files::replaceFile(at("t"), "new")) << std::oct << mode;
        EXPECT_EQ(get(at("t")), "new");
        EXPECT_EQ(modeOf(at("t")), mode) << std::oct << mode;
        fs::remove(at("t"));
    }
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(files::replaceFile(at("fresh"), "x"));
    ::umask(mask);
    EXPECT_EQ(modeOf(at("fresh")), 0640);
    EXPECT_EQ(names(), std::vector<std::string>{"fresh"});
}

TEST_F(ReplaceFile, SymbolicLinkTargetReplacesTheFileItNames) {
    put(at("real"), "old");
    fs::create_symlink("real", at("link"));
    fs::create_symlink(at("link"), at("chain"));
    fs::create_symlink("later", at("dangling"));
    ASSERT_TRUE(files::replaceFile(at("chain"), "via chain"));
    EXPECT_TRUE(fs::is_symlink(at("link")));
    EXPECT_EQ(get(at("real")), "via chain");
    ASSERT_TRUE(files::replaceFile(at("dangling"), "made"));
    EXPECT_TRUE(fs::is_symlink(at("dangling")));
    EXPECT_EQ(get(at("later")), "made");
    EXPECT_EQ(names(), (std::vector<std::string>{"chain", "dangling", "later", "link", "real"}));
}

TEST_F(ReplaceFile, TargetsThatAreNotRegularFilesAreRefused) {
    ASSERT_EQ(::mkfifo(at("fifo").c_str(), 0600), 0);
    fs::create_directories(at("folder"));
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string sockPath = at("sock").string();
    ASSERT_LT(sockPath.size(), sizeof addr.sun_path);
    std::copy(sockPath.begin(), sockPath.end(), addr.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    fs::create_symlink("/dev/null", at("tonull"));
    const struct {
        fs::path target;
        const char* says;
    } cases[] = {
        {at("fifo"), "is a FIFO, not a regular file"},
        {at("folder"), "is a folder, not a regular file"},
        {at("sock"), "is a socket, not a regular file"},
        {"/dev/null", "/dev/null is a device, not a regular file"},
        {at("tonull"), "/dev/null is a device, not a regular file"},
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_FALSE(files::replaceFile(c.target, "x", &why)) << c.target;
        EXPECT_NE(why.find(c.says), std::string::npos) << why;
        EXPECT_EQ(why.find('\n'), std::string::npos) << why;
    }
    ::close(sock);
    EXPECT_TRUE(fs::is_fifo(at("fifo")));
    EXPECT_EQ(names(), (std::vector<std::string>{"fifo", "folder", "sock", "tonull"}));
}

// Every call that can fail is failed in turn: the target is old or new and
// whole, the caller hears of each failure, and no temporary is left.
TEST_F(ReplaceFile, EveryFailingCallLeavesTheOldFileWholeAndNoTemporary) {
    const std::string big(200000, 'n');
    const struct {
        const char* name;
        std::function<bool(const fs::path&)> write;
    } writers[] = {
        {"bytes", [](const fs::path& p) { return files::replaceFile(p, "new content"); }},
        {"stream", [&](const fs::path& p) {
             return files::replaceFileWith(p, [&](std::FILE* f) {
                 return std::fwrite(big.data(), 1, big.size(), f) == big.size();
             });
         }},
    };
    for (const auto& w : writers) {
        long failures = 0;
        for (long n = 1;; ++n) {
            put(at("t"), "old content");
            files::testing::failNthCall(n);
            const bool ok = w.write(at("t"));
            const long calls = files::testing::callsCounted();
            files::testing::failNthCall(0);
            EXPECT_EQ(names(), std::vector<std::string>{"t"}) << w.name << " n=" << n;
            if (ok) {
                EXPECT_GT(n, calls) << w.name;
                break;
            }
            ++failures;
            EXPECT_EQ(get(at("t")), "old content") << w.name << " n=" << n;
        }
        EXPECT_GE(failures, 4) << w.name; // create, write, sync, close, rename
    }
}

TEST_F(ReplaceFile, WriterThatGivesUpLeavesNoTemporary) {
    put(at("t"), "old");
    std::string why;
    EXPECT_FALSE(files::replaceFileWith(at("t"), [](std::FILE*) -> bool { throw 1; }, &why));
    EXPECT_FALSE(files::replaceFileWith(at("t"), [](std::FILE* f) {
        std::fputs("partial", f);
        return false;
    }));
    EXPECT_EQ(get(at("t")), "old");
    EXPECT_EQ(names(), std::vector<std::string>{"t"});
}

TEST_F(ReplaceFile, StopSignalRemovesOpenTemporaries) {
    for (int sig : {SIGTERM, SIGINT}) {
        put(at("t"), "old");
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            files::PendingFile a, b;
            a.open(dir_ / "t");
            b.open(dir_ / "u");
            a.write("partial");
            ::raise(sig);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << status;
        EXPECT_EQ(get(at("t")), "old");
        EXPECT_EQ(names(), std::vector<std::string>{"t"}) << sig;
    }
}

// A writer killed outright (SIGKILL, which nothing can catch) at any moment,
// over and over for a few seconds: the target is always the old or the new
// content, whole; at most a temporary is left behind.
TEST_F(ReplaceFile, WriterKilledAtAnyMomentLeavesTheTargetOldOrNew) {
    const std::string a(300000, 'a'), b(200000, 'b');
    put(at("t"), a);
    std::mt19937 random(20261207);
    // A few seconds, and at least a few kills however slow the machine.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    for (int kills = 0; kills < 3 || (kills < 50 && std::chrono::steady_clock::now() < until);
         ++kills) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (long i = 0;; ++i)
                files::replaceFile(dir_ / "t", i % 2 ? a : b);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const std::string now = get(at("t"));
        ASSERT_TRUE(now == a || now == b) << now.size() << " bytes after kill " << kills;
    }
}

} // namespace
