// Worker processes that take tasks one line at a time: the command starts a
// copy of itself in a worker mode, hands it requests through a pipe and
// reads one answer line per request from another, in the order given.
//
// A worker reads its requests from file descriptor kWorkerIn and writes its
// answers to kWorkerOut; its first line is kWorkerReady. Lines hold no line
// breaks of their own (the caller escapes them).
//
// A worker that ends before answering all it holds was working on the first
// of them: that task is lost (reported to the caller), the others go to the
// next free worker, and a new worker takes the place of the lost one. A
// worker that spends longer than the time limit on one task (counted from
// when it became ready or answered the task before) is stopped and lost the
// same way.
//
// Each worker holds several requests at once, so that it never waits for the
// next; toward the end of a run it holds fewer, so that the workers finish
// together rather than one of them going on alone with a long share.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zrlss {

constexpr int kWorkerIn = 3;
constexpr int kWorkerOut = 4;
inline constexpr const char* kWorkerReady = "ready";

struct PoolTasks {
    size_t count = 0;
    // Appends the request line of task i (without its line end) to `out`.
    std::function<void(size_t i, std::string& out)> request;
    // The answer line of task i.
    std::function<void(size_t, std::string_view)> answer;
    // Task `lost` died with its worker (`why`: how the worker ended); the
    // tasks in `again` were held by it too and run again elsewhere.
    std::function<void(size_t lost, const std::vector<size_t>& again, const std::string& why)> lost;
    // Called after each answer or loss with the number of tasks done.
    std::function<void(size_t done)> progress;
    // The longest a worker may spend on one task, in seconds; 0: no limit.
    int taskSeconds = 0;
};

// The workers of a run. They are started as soon as the pool is made, so
// that they get ready while the caller still prepares its tasks, and waited
// for when it goes, so that the caller can write its results while they end.
class WorkerPool {
public:
    // Starts `workers` processes as `command` (command[0] is the program's
    // path); a Failure when one cannot be started.
    WorkerPool(const std::vector<std::string>& command, int workers);
    // Waits for the workers; those still holding tasks are stopped first.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Runs every task, and then tells the workers there is no more. A
    // Failure when a worker ends before it is ready or answers out of turn.
    // Once per pool.
    void run(const PoolTasks& tasks);

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

// The worker's side: the next request line (false at the end of input), and
// an answer line.
bool readWorkerLine(std::string& line);
bool writeWorkerLine(std::string_view line);

} // namespace zrlss
