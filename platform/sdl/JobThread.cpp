#include "platform/sdl/JobThread.h"

#include <SDL.h>

#ifdef __linux__
#include <pthread.h>
#endif

namespace zol {

void JobThread::finish() {
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
        jobs_.clear();
    }
    jobsChanged_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void JobThread::post(std::function<void()> job) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
        if (quitting_) return;
        if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
    }
    jobsChanged_.notify_one();
}

void JobThread::run() {
#ifdef __linux__
    pthread_setname_np(pthread_self(), name_);
#endif
    if (priority_ == Priority::Low) SDL_SetThreadPriority(SDL_THREAD_PRIORITY_LOW);
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            jobsChanged_.wait(lock, [this] { return quitting_ || !jobs_.empty(); });
            if (quitting_) break;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job();
    }
    // SDL keeps per-thread state (its error text) that it frees by itself
    // only on threads it made.
    SDL_TLSCleanup();
}

} // namespace zol
