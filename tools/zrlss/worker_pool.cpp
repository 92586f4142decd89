#include "worker_pool.h"

#include "command.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zrlss {

namespace {

// Requests a worker holds at once: enough to keep it busy while the
// parent naps (see nap), few enough that a lost worker sends little back.
constexpr size_t kWindow = 64;
// The fewest it holds while there are any left: the next is at hand when
// it answers one.
constexpr size_t kLeastWindow = 2;
// The longest nap of the parent between two looks at its workers.
constexpr std::chrono::milliseconds kMaxNap{2};

using Clock = std::chrono::steady_clock;

struct Worker {
    pid_t pid = -1;
    int toFd = -1;   // its requests
    int fromFd = -1; // its answers
    std::string out; // requests not yet written
    size_t outPos = 0;
    std::string in; // answers read, not yet a whole line
    std::deque<size_t> held;
    bool ready = false;
    // Since when it has been on its first held task.
    Clock::time_point since;
};

void closeFd(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

// How a worker ended, from its wait status.
std::string endedBy(int status) {
    if (WIFSIGNALED(status)) return "ended by signal " + std::to_string(WTERMSIG(status));
    if (WIFEXITED(status)) return "ended with status " + std::to_string(WEXITSTATUS(status));
    return "ended";
}

Worker startWorker(const std::vector<char*>& argv) {
    int req[2], res[2];
    if (pipe2(req, O_CLOEXEC) != 0) throw Failure{"cannot make a pipe for a worker"};
    if (pipe2(res, O_CLOEXEC) != 0) {
        close(req[0]);
        close(req[1]);
        throw Failure{"cannot make a pipe for a worker"};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        // Moved out of the way first: a pipe end may already be 3 or 4.
        const int a = fcntl(req[0], F_DUPFD, 10);
        const int b = fcntl(res[1], F_DUPFD, 10);
        if (a < 0 || b < 0 || dup2(a, kWorkerIn) < 0 || dup2(b, kWorkerOut) < 0) _exit(127);
        close(a);
        close(b);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(req[0]);
    close(res[1]);
    if (pid < 0) {
        close(req[1]);
        close(res[0]);
        throw Failure{"cannot start a worker"};
    }
    Worker w;
    w.pid = pid;
    w.toFd = req[1];
    w.fromFd = res[0];
    fcntl(w.toFd, F_SETFL, fcntl(w.toFd, F_GETFL) | O_NONBLOCK);
    return w;
}

} // namespace

// The workers of one run: those retired are waited for when it goes, the
// others stopped.
class WorkerPool::Impl {
public:
    Impl(const std::vector<std::string>& command, int wanted)
        : command_(command), wanted_(static_cast<size_t>(std::max(wanted, 1))) {
        for (std::string& arg : command_)
            argv_.push_back(arg.data());
        argv_.push_back(nullptr);
        previousPipe_ = std::signal(SIGPIPE, SIG_IGN);
        try {
            while (workers_.size() < wanted_)
                workers_.push_back(startWorker(argv_));
        } catch (...) {
            stopAll();
            throw;
        }
    }
    ~Impl() { stopAll(); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    void run(const PoolTasks& tasks);

private:
    // No more requests for the worker: it sees the end of its input and
    // ends, and is waited for with the pool.
    void retire(Worker& w) {
        closeFd(w.toFd);
        retired_.push_back(std::move(w));
    }
    void stopAll() {
        for (Worker& w : workers_)
            stop(w, true);
        for (Worker& w : retired_)
            stop(w, false);
        std::signal(SIGPIPE, previousPipe_);
    }
    // Waits for the worker (killed first when `kill`); its wait status.
    static int stop(Worker& w, bool kill) {
        closeFd(w.toFd);
        closeFd(w.fromFd);
        int status = 0;
        if (w.pid > 0) {
            if (kill) ::kill(w.pid, SIGKILL);
            while (waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
            }
        }
        w.pid = -1;
        return status;
    }
    // How many requests each worker may hold while `left` are not handed out:
    // a share of what is left that shrinks toward the end (see kWindow).
    size_t window(size_t left) const;
    void feed(Worker& w, std::deque<size_t>& pending, const PoolTasks& tasks);
    void flush(Worker& w);
    // Reads what the worker wrote; false when it has ended.
    bool drain(Worker& w, size_t& done, const PoolTasks& tasks);
    // The worker has ended (`why`: how): its first held task is lost, the
    // others go back to the front of `pending`.
    void lose(Worker& w, const std::string& why, std::deque<size_t>& pending, size_t& done,
              const PoolTasks& tasks);
    // Stops the workers that have spent longer than the limit on a task;
    // the milliseconds until the next one would, or -1.
    int stopSlow(std::deque<size_t>& pending, size_t& done, const PoolTasks& tasks);
    // How long the parent may wait before it looks at the workers: woken by
    // every answer, it would spend more on waking than on reading them, so
    // while each worker holds work enough it naps half as long as the least
    // busy one will take at the pace seen so far, and then reads the answers
    // that came meanwhile in one go. Zero while the pace is not known.
    Clock::duration nap() const;

    std::vector<std::string> command_;
    std::vector<char*> argv_;
    size_t wanted_;
    std::vector<Worker> workers_;
    std::vector<Worker> retired_;
    void (*previousPipe_)(int) = SIG_DFL;
    // The answers read, and when the first came.
    size_t answers_ = 0;
    Clock::time_point firstAnswer_;
};

size_t WorkerPool::Impl::window(size_t left) const {
    const size_t share = (left + 2 * workers_.size() - 1) / (2 * workers_.size());
    return std::clamp(share, kLeastWindow, kWindow);
}

void WorkerPool::Impl::feed(Worker& w, std::deque<size_t>& pending, const PoolTasks& tasks) {
    if (w.ready && w.held.empty()) w.since = Clock::now();
    const size_t most = window(pending.size());
    while (w.held.size() < most && !pending.empty()) {
        const size_t task = pending.front();
        pending.pop_front();
        w.held.push_back(task);
        tasks.request(task, w.out);
        w.out += '\n';
    }
}

void WorkerPool::Impl::flush(Worker& w) {
    while (w.toFd >= 0 && w.outPos < w.out.size()) {
        const ssize_t n = write(w.toFd, w.out.data() + w.outPos, w.out.size() - w.outPos);
        if (n > 0) {
            w.outPos += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) return;
        // The worker is gone: its end shows on the answer pipe.
        closeFd(w.toFd);
    }
    if (w.outPos == w.out.size()) {
        w.out.clear();
        w.outPos = 0;
    }
}

bool WorkerPool::Impl::drain(Worker& w, size_t& done, const PoolTasks& tasks) {
    char buffer[65536];
    const ssize_t n = read(w.fromFd, buffer, sizeof buffer);
    if (n < 0) return errno == EINTR || errno == EAGAIN;
    if (n == 0) return false;
    w.in.append(buffer, static_cast<size_t>(n));
    size_t start = 0;
    for (size_t end; (end = w.in.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string_view line(w.in.data() + start, end - start);
        if (!w.ready) {
            if (line != kWorkerReady)
                throw Failure{"a worker answered out of turn: " + std::string(line)};
            w.ready = true;
            w.since = Clock::now();
            continue;
        }
        if (w.held.empty()) throw Failure{"a worker answered a request it was not given"};
        const size_t task = w.held.front();
        w.held.pop_front();
        w.since = Clock::now();
        if (answers_++ == 0) firstAnswer_ = w.since;
        tasks.answer(task, line);
        ++done;
        if (tasks.progress) tasks.progress(done);
    }
    w.in.erase(0, start);
    return true;
}

void WorkerPool::Impl::lose(Worker& w, const std::string& why, std::deque<size_t>& pending,
                            size_t& done, const PoolTasks& tasks) {
    if (!w.ready) throw Failure{"a worker could not start (" + why + ")"};
    if (w.held.empty()) return;
    // It worked on the first of its requests; the others go back to the
    // front of the queue, in order.
    const size_t lostTask = w.held.front();
    const std::vector<size_t> again(w.held.begin() + 1, w.held.end());
    pending.insert(pending.begin(), again.begin(), again.end());
    w.held.clear();
    if (tasks.lost) tasks.lost(lostTask, again, why);
    ++done;
    if (tasks.progress) tasks.progress(done);
}

int WorkerPool::Impl::stopSlow(std::deque<size_t>& pending, size_t& done, const PoolTasks& tasks) {
    if (tasks.taskSeconds <= 0) return -1;
    const Clock::duration limit = std::chrono::seconds(tasks.taskSeconds);
    const Clock::time_point now = Clock::now();
    Clock::duration next = Clock::duration::max();
    for (Worker& w : workers_) {
        // Starting up is no case: only a ready worker's task is timed.
        if (w.pid < 0 || !w.ready || w.held.empty()) continue;
        const Clock::duration spent = now - w.since;
        if (spent < limit) {
            next = std::min(next, limit - spent);
            continue;
        }
        stop(w, true);
        lose(w, "was stopped after " + std::to_string(tasks.taskSeconds) + " s", pending, done,
             tasks);
    }
    if (next == Clock::duration::max()) return -1;
    // Rounded up: waking before the limit would only wait again.
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(next).count());
}

Clock::duration WorkerPool::Impl::nap() const {
    constexpr size_t kPaceAnswers = 8, kLeastHeld = 4;
    if (answers_ < kPaceAnswers) return {};
    size_t least = kWindow;
    for (const Worker& w : workers_) {
        if (!w.ready || !w.out.empty()) return {};
        least = std::min(least, w.held.size());
    }
    if (least < kLeastHeld) return {};
    const Clock::duration pace = (Clock::now() - firstAnswer_) *
                                 static_cast<long>(workers_.size()) / static_cast<long>(answers_);
    return std::min<Clock::duration>(kMaxNap, pace * static_cast<long>(least) / 2);
}

void WorkerPool::Impl::run(const PoolTasks& tasks) {
    std::deque<size_t> pending;
    for (size_t i = 0; i < tasks.count; ++i)
        pending.push_back(i);
    // Workers beyond one per task are not needed.
    const size_t size = std::min(wanted_, tasks.count);
    while (workers_.size() > size) {
        retire(workers_.back());
        workers_.pop_back();
    }
    size_t done = 0;
    std::vector<pollfd> fds;
    while (done < tasks.count) {
        // A lost worker is replaced while there is work for it.
        std::erase_if(workers_, [](const Worker& w) { return w.pid < 0; });
        while (workers_.size() < size && !pending.empty())
            workers_.push_back(startWorker(argv_));
        for (Worker& w : workers_) {
            feed(w, pending, tasks);
            flush(w);
        }
        fds.clear();
        for (const Worker& w : workers_) {
            fds.push_back({w.fromFd, POLLIN, 0});
            fds.push_back({w.toFd, static_cast<short>(w.out.empty() ? 0 : POLLOUT), 0});
        }
        const int wait = stopSlow(pending, done, tasks);
        if (std::any_of(workers_.begin(), workers_.end(),
                        [](const Worker& w) { return w.pid < 0; }))
            continue; // one was stopped: its tasks go elsewhere first
        // A nap never outlasts a worker's time limit.
        const Clock::duration rest = nap();
        if (rest > Clock::duration::zero() && (wait < 0 || rest < std::chrono::milliseconds(wait)))
            std::this_thread::sleep_for(rest);
        const int ready = poll(fds.data(), fds.size(), wait);
        if (ready < 0) {
            if (errno == EINTR) continue;
            throw Failure{"cannot wait for the workers"};
        }
        for (size_t k = 0; k < workers_.size(); ++k) {
            Worker& w = workers_[k];
            if (fds[2 * k + 1].revents != 0) flush(w);
            if (fds[2 * k].revents == 0 || drain(w, done, tasks)) continue;
            lose(w, endedBy(stop(w, false)), pending, done, tasks);
        }
    }
    // Every task is in: the workers end while the caller goes on, and are
    // waited for when the pool goes.
    for (Worker& w : workers_)
        retire(w);
    workers_.clear();
}

WorkerPool::WorkerPool(const std::vector<std::string>& command, int workers)
    : impl_(std::make_unique<Impl>(command, workers)) {}

WorkerPool::~WorkerPool() = default;

void WorkerPool::run(const PoolTasks& tasks) {
    impl_->run(tasks);
}

bool readWorkerLine(std::string& line) {
    static std::string buffer;
    static size_t start = 0;
    for (;;) {
        const size_t end = buffer.find('\n', start);
        if (end != std::string::npos) {
            line.assign(buffer, start, end - start);
            start = end + 1;
            return true;
        }
        buffer.erase(0, start);
        start = 0;
        char chunk[65536];
        const ssize_t n = read(kWorkerIn, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        buffer.append(chunk, static_cast<size_t>(n));
    }
}

bool writeWorkerLine(std::string_view line) {
    // The line and its end in one write: the parent reads whole lines.
    char end = '\n';
    iovec parts[2] = {{const_cast<char*>(line.data()), line.size()}, {&end, 1}};
    iovec* part = parts;
    int count = 2;
    while (count > 0) {
        const ssize_t n = writev(kWorkerOut, part, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        // After a partial write, what is left goes next.
        size_t done = static_cast<size_t>(n);
        for (; count > 0 && done >= part->iov_len; --count)
            done -= (part++)->iov_len;
        if (count > 0) {
            part->iov_base = static_cast<char*>(part->iov_base) + done;
            part->iov_len -= done;
        }
    }
    return true;
}

} // namespace zrlss
