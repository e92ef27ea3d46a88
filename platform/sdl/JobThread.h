#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace zol {

// A thread of its own that runs the jobs given to it one after another,
// started by the first job. A low-priority one yields to everything else
// on the machine, the game included.
class JobThread {
public:
    enum class Priority { Normal, Low };

    // `name` shows in the system's thread lists; 15 bytes at most.
    JobThread(const char* name, Priority priority) : name_(name), priority_(priority) {}
    // Drops the jobs not yet begun and waits for the one under way, which
    // should look at quitting() now and then.
    ~JobThread() { finish(); }
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;

    void post(std::function<void()> job);
    // What the destructor does, for an owner that must know the jobs are
    // over before it takes apart what they use; no job runs after it.
    void finish();
    const std::atomic<bool>& quitting() const { return quitting_; }

private:
    void run();

    const char* const name_;
    const Priority priority_;
    std::mutex mutex_;
    std::condition_variable jobsChanged_;
    std::deque<std::function<void()>> jobs_;
    std::atomic<bool> quitting_{false};
    std::thread thread_;
};

} // namespace zol
