// Replacing a file whole: the one way every writer of the project puts a
// file on disk.
//
// The new content goes to a temporary file in the target's folder, created
// exclusively under an unpredictable name without following a symbolic link
// planted there; it is written, flushed and synced, given the target's
// permission bits (a new target gets 0666 less the umask), renamed over the
// target, and the folder is synced (best effort: the replace has happened by
// then). On every failure, and when the process is stopped by SIGINT or
// SIGTERM while a temporary is open, the temporary is removed and the target
// stays as it was.
//
// Targets: a symbolic link is followed, so the file it names is replaced
// and the link stays a link; a target that is a folder, a device, a FIFO or
// a socket is refused with a reason. The replace makes a new file, so a hard
// link's other names keep the old content.
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace files {

// A temporary beside a target, committed over it or removed. Not copyable;
// the destructor removes a temporary that was not committed.
class PendingFile {
public:
    PendingFile() = default;
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Creates the temporary for `target`. False, with the reason, when the
    // target is refused or no temporary can be made.
    bool open(const std::filesystem::path& target, std::string* error = nullptr);
    // The open temporary's descriptor (-1 when none).
    int fd() const { return fd_; }
    // Writes all the bytes; false (reason kept for commit) on failure.
    bool write(std::string_view bytes);
    // A buffered stream over the temporary whose writes go through write();
    // null when it cannot be made. Closed by commit() or abandon().
    std::FILE* stream();
    // A name that opens the temporary itself, for a library that insists on
    // opening its output by name.
    std::string reopenName() const;
    // Flushes, syncs and renames the temporary over the target; false, with
    // the reason, leaves the target as it was and the temporary removed.
    bool commit(std::string* error = nullptr);
    // Removes the temporary (nothing when none is open).
    void abandon();
    // The reason of the first failure so far (empty when none).
    const std::string& failure() const { return error_; }

private:
    void fail(const std::string& what);
    bool closeStream();

    std::filesystem::path target_;
    std::string temp_;
    int fd_ = -1;
    int slot_ = -1;
    int mode_ = 0600;
    std::FILE* stream_ = nullptr;
    std::string error_;
};

// Replaces `target` with `bytes`. False, with the reason, leaves it whole.
bool replaceFile(const std::filesystem::path& target, std::string_view bytes,
                 std::string* error = nullptr);
// The same with the content written by `write` into a stream over the
// temporary; `write` returns false when it could not write it all.
bool replaceFileWith(const std::filesystem::path& target,
                     const std::function<bool(std::FILE*)>& write, std::string* error = nullptr);

// For tests: the calls of the replace that can fail (creating the
// temporary, each write, the sync, the close and the rename) are counted
// from the moment failNthCall is called; the n-th of them then fails with
// EIO (0: none fails). callsCounted() is how many have been made since.
namespace testing {
void failNthCall(long n);
long callsCounted();
} // namespace testing

} // namespace files
