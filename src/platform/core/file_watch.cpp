#include "platform/core/file_watch.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <mutex>
#include <pthread.h>
#include <sys/inotify.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace filewatch {

namespace {

// Everything that can change what a path leads to or what a file holds. On
// a folder, the entry events report its entries being made, removed,
// renamed, written or touched; the self events report the folder itself
// going away.
constexpr uint32_t kEvents = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE |
                             IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;

// File systems whose changes all pass through this machine's kernel, so
// every change to them is noticed.
bool isLocal(const std::filesystem::path& path) {
    struct statfs fs {};
    if (::statfs(path.c_str(), &fs) != 0) return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case EXT4_SUPER_MAGIC: // also ext2 and ext3
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case RAMFS_MAGIC:
    case OVERLAYFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

struct Watcher {
    std::mutex lock;
    int fd = -1;
    bool tried = false;
    unsigned long long generation = 0;

    // Opens the notice queue on first use; false when there is none.
    bool open() {
        if (!tried) {
            tried = true;
            fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
            if (fd >= 0) generation = 1;
        }
        return fd >= 0;
    }

    // Gives up on notices for good: nothing is trusted to them any more.
    void fail() {
        if (fd >= 0) ::close(fd);
        fd = -1;
        generation = 0;
    }
};

Watcher& watcher() {
    static Watcher instance;
    return instance;
}

// A forked child shares the parent's queue, and whichever reads a notice
// takes it from the other: the child does without notices. The lock is
// held across the fork so that the child does not inherit it locked by a
// thread it does not have.
void beforeFork() {
    watcher().lock.lock();
}
void afterForkInParent() {
    watcher().lock.unlock();
}
void afterForkInChild() {
    Watcher& w = watcher();
    w.tried = true;
    w.fail();
    w.lock.unlock();
}

const bool gForkHandled = (::pthread_atfork(beforeFork, afterForkInParent, afterForkInChild), true);

} // namespace

bool watch(const std::filesystem::path& path) {
    (void)gForkHandled;
    if (!path.is_absolute()) return false;
    for (const auto& part : path)
        if (part == "..") return false;
    if (!isLocal(path)) return false;
    Watcher& w = watcher();
    std::lock_guard<std::mutex> guard(w.lock);
    if (!w.open()) return false;
    // The path and each folder above it: renaming or replacing any of them
    // changes what the path leads to. A folder already watched is watched
    // again, in case the name now leads to another one.
    std::filesystem::path at = path;
    for (;;) {
        if (::inotify_add_watch(w.fd, at.c_str(), kEvents) < 0) {
            // Out of watches: notices can no longer be complete.
            if (errno == ENOSPC || errno == ENOMEM) w.fail();
            return false;
        }
        const std::filesystem::path parent = at.parent_path();
        if (parent == at || parent.empty()) break;
        at = parent;
    }
    return true;
}

unsigned long long generation() {
    Watcher& w = watcher();
    std::lock_guard<std::mutex> guard(w.lock);
    if (w.fd < 0) return 0;
    alignas(struct inotify_event) char buffer[4096];
    bool noticed = false;
    for (;;) {
        const ssize_t got = ::read(w.fd, buffer, sizeof buffer);
        if (got > 0) {
            noticed = true;
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && errno == EAGAIN) break;
        w.fail();
        return 0;
    }
    if (noticed) ++w.generation;
    return w.generation;
}

} // namespace filewatch
