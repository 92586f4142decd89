#include "platform/files/replace_file.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace fs = std::filesystem;

namespace {

// ---- Failing a chosen call, for tests --------------------------------------

std::atomic<long> g_failAt{0};
std::atomic<long> g_calls{0};

// Counts a call that can fail; true when this one is to fail (errno EIO).
bool injectedFailure() {
    const long n = ++g_calls;
    if (n != g_failAt.load()) return false;
    errno = EIO;
    return true;
}

// ---- Live temporaries, removed when SIGINT or SIGTERM stops the process ----

// Fixed slots, so that the signal handler only reads memory and calls
// unlink(), both safe in a handler. A temporary that finds no free slot is
// still removed on every failure path, just not on a signal.
constexpr int kSlots = 64;
struct Slot {
    std::atomic<int> state{0}; // 0 free, 1 being filled, 2 live
    char path[PATH_MAX];
};
Slot g_slots[kSlots];
struct sigaction g_previous[2];
constexpr int kSignals[2] = {SIGINT, SIGTERM};

void onStopSignal(int sig) {
    const int saved = errno;
    for (Slot& slot : g_slots)
        if (slot.state.load() == 2) ::unlink(slot.path);
    // Back to what was there before, and the signal again: the process
    // stops (or the earlier handler runs) as if this one had not been here.
    for (int i = 0; i < 2; ++i)
        if (kSignals[i] == sig) ::sigaction(sig, &g_previous[i], nullptr);
    errno = saved;
    ::raise(sig);
}

void installSignalHandlers() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int i = 0; i < 2; ++i) {
            struct sigaction old {};
            if (::sigaction(kSignals[i], nullptr, &old) != 0) continue;
            if (!(old.sa_flags & SA_SIGINFO) && old.sa_handler == SIG_IGN) continue;
            g_previous[i] = old;
            struct sigaction mine {};
            mine.sa_handler = onStopSignal;
            sigemptyset(&mine.sa_mask);
            mine.sa_flags = SA_RESTART;
            ::sigaction(kSignals[i], &mine, nullptr);
        }
    });
}

int registerTemporary(const std::string& path) {
    if (path.size() >= PATH_MAX) return -1;
    for (int i = 0; i < kSlots; ++i) {
        int expected = 0;
        if (!g_slots[i].state.compare_exchange_strong(expected, 1)) continue;
        std::memcpy(g_slots[i].path, path.c_str(), path.size() + 1);
        g_slots[i].state.store(2);
        return i;
    }
    return -1;
}

void releaseSlot(int& slot) {
    if (slot >= 0) g_slots[slot].state.store(0);
    slot = -1;
}

// ---- The target -------------------------------------------------------------

std::string reason() {
    return std::strerror(errno);
}

// The file a target names: symbolic links followed (a dangling one names
// the file to create). False, with the reason, for what cannot be replaced
// by a regular file. `mode` gets the existing file's permission bits, or -1.
bool resolveTarget(fs::path path, fs::path& resolved, int& mode, std::string& error) {
    mode = -1;
    if (path.empty() || !path.has_filename()) {
        error = "no file name in \"" + path.string() + "\"";
        return false;
    }
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) break;
            error = "cannot reach " + path.string() + ": " + reason();
            return false;
        }
        if (S_ISLNK(st.st_mode)) {
            if (hops >= 40) {
                error = path.string() + ": too many levels of symbolic links";
                return false;
            }
            std::error_code ec;
            const fs::path link = fs::read_symlink(path, ec);
            if (ec) {
                error = "cannot read the link " + path.string() + ": " + ec.message();
                return false;
            }
            path = link.is_absolute() ? link : path.parent_path() / link;
            continue;
        }
        const char* kind = S_ISREG(st.st_mode)    ? nullptr
                           : S_ISDIR(st.st_mode)  ? "a folder"
                           : S_ISFIFO(st.st_mode) ? "a FIFO"
                           : S_ISSOCK(st.st_mode) ? "a socket"
                           : (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) ? "a device"
                                                                           : "not a file";
        if (kind) {
            error = path.string() + " is " + kind + ", not a regular file";
            return false;
        }
        mode = static_cast<int>(st.st_mode & 07777);
        break;
    }
    resolved = path;
    return true;
}

// The permission bits a new file gets: 0666 less the process's umask, read
// without changing it where the system tells it.
int newFileMode() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0) return 0666 & ~static_cast<int>(std::stoul(line.substr(6), nullptr, 8));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~static_cast<int>(mask);
}

std::string randomSuffix() {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 engine{(static_cast<std::uint64_t>(std::random_device{}()) << 32) ^
                                        std::random_device{}()};
    std::string s(12, '\0');
    for (char& c : s) c = kChars[engine() % (sizeof kChars - 1)];
    return s;
}

// The stream over a temporary: buffered by the C library, every write
// reaching PendingFile::write.
ssize_t cookieWrite(void* cookie, const char* data, size_t size) {
    return static_cast<PendingFile*>(cookie)->write(std::string_view(data, size))
               ? static_cast<ssize_t>(size)
               : 0;
}

} // namespace

// ---- PendingFile ------------------------------------------------------------

PendingFile::~PendingFile() {
    abandon();
}

void PendingFile::fail(const std::string& what) {
    if (error_.empty()) error_ = what + ": " + reason();
}

bool PendingFile::open(const fs::path& target, std::string* error) {
    abandon();
    error_.clear();
    int mode = -1;
    if (!resolveTarget(target, target_, mode, error_)) {
        if (error) *error = error_;
        return false;
    }
    installSignalHandlers();
    const fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
    // Room for the suffix within the longest name a folder holds.
    const std::string base = "." + target_.filename().string().substr(0, 200) + ".tmp-";
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
        temp_ = (folder / (base + randomSuffix())).string();
        if (injectedFailure()) break;
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        fail("cannot create a temporary beside " + target_.string());
        temp_.clear();
        if (error) *error = error_;
        return false;
    }
    slot_ = registerTemporary(temp_);
    // Private until committed, then the target's permission bits, or a new
    // file's.
    mode_ = mode >= 0 ? mode : newFileMode();
    return true;
}

bool PendingFile::write(std::string_view bytes) {
    if (fd_ < 0 || !error_.empty()) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = -1;
        if (!injectedFailure()) n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            fail("cannot write " + target_.string());
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

std::FILE* PendingFile::stream() {
    if (!stream_ && fd_ >= 0) {
        cookie_io_functions_t io{};
        io.write = cookieWrite;
        stream_ = ::fopencookie(this, "w", io);
    }
    return stream_;
}

bool PendingFile::closeStream() {
    if (!stream_) return true;
    const bool ok = std::fclose(stream_) == 0;
    stream_ = nullptr;
    return ok;
}

std::string PendingFile::reopenName() const {
    if (fd_ < 0) return {};
    const std::string viaProc = "/proc/self/fd/" + std::to_string(fd_);
    std::error_code ec;
    return fs::exists(viaProc, ec) ? viaProc : temp_;
}

bool PendingFile::commit(std::string* error) {
    if (fd_ < 0) {
        if (error) *error = error_.empty() ? "no file open" : error_;
        return false;
    }
    if (!closeStream() && error_.empty()) fail("cannot write " + target_.string());
    if (error_.empty() && ::fchmod(fd_, static_cast<mode_t>(mode_)) != 0)
        fail("cannot set the permissions of " + target_.string());
    if (error_.empty() && (injectedFailure() || ::fsync(fd_) != 0))
        fail("cannot flush " + target_.string());
    const bool closed = !injectedFailure() && ::close(fd_) == 0;
    if (!closed) fail("cannot flush " + target_.string());
    fd_ = -1;
    if (error_.empty() && (injectedFailure() || ::rename(temp_.c_str(), target_.c_str()) != 0))
        fail("cannot replace " + target_.string());
    if (!error_.empty()) {
        abandon();
        if (error) *error = error_;
        return false;
    }
    releaseSlot(slot_);
    temp_.clear();
    // Make the rename itself durable; the replace has happened either way.
    const fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

void PendingFile::abandon() {
    closeStream();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    releaseSlot(slot_);
    temp_.clear();
}

// ---- Whole replaces ---------------------------------------------------------

bool replaceFileWith(const fs::path& target, const std::function<bool(std::FILE*)>& write,
                     std::string* error) {
    PendingFile file;
    if (!file.open(target, error)) return false;
    std::FILE* out = file.stream();
    bool wrote = false;
    try {
        wrote = out && write(out);
    } catch (...) {
        wrote = false;
    }
    if (!wrote) {
        if (error) *error = file.failure().empty() ? "cannot write " + target.string() : file.failure();
        return false;
    }
    return file.commit(error);
}

bool replaceFile(const fs::path& target, std::string_view bytes, std::string* error) {
    PendingFile file;
    if (!file.open(target, error)) return false;
    file.write(bytes);
    return file.commit(error);
}

namespace testing {

void failNthCall(long n) {
    g_calls = 0;
    g_failAt = n;
}

long callsCounted() {
    return g_calls.load();
}

} // namespace testing

} // namespace files
