#include "ui/latest_worker.h"

namespace quintix {

TLatestWorker::TLatestWorker(QObject* parent)
    : QObject(parent), Thread([this](std::stop_token quit) { Run(std::move(quit)); }) {}

// The job running is asked to stop before the thread is joined, so that the window closes at once.
TLatestWorker::~TLatestWorker() {
    Cancel();
    Thread.request_stop();
    Thread.join();
}

void TLatestWorker::Cancel() {
    ++Generation;
    const std::lock_guard<std::mutex> hold(Lock);
    Running.request_stop();
    Waiting = nullptr;
}

void TLatestWorker::Post(std::function<void(std::stop_token)> job) {
    {
        const std::lock_guard<std::mutex> hold(Lock);
        Running.request_stop();
        Waiting = std::move(job);
    }
    Wake.notify_one();
}

void TLatestWorker::Run(std::stop_token quit) {
    for (;;) {
        std::function<void(std::stop_token)> job;
        std::stop_token stop;
        {
            std::unique_lock<std::mutex> hold(Lock);
            if (!Wake.wait(hold, quit, [this] { return Waiting != nullptr; })) {
                return;
            }
            job = std::move(Waiting);
            Waiting = nullptr;
            Running = std::stop_source();
            stop = Running.get_token();
        }
        job(stop);
    }
}

}  // namespace quintix
