#pragma once

#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

namespace quintix {

// Long computations for a window, one at a time, on one thread of its own that it starts, owns and
// joins when it goes. A newer job asks the one running to stop and replaces any still waiting.
// The job runs on the worker thread and must touch no widget: it works on copies. What it hands to
// `deliver` reaches `done` on the thread that owns the worker by a queued call, and only while no
// newer job has been started: a stale result never shows.
class TLatestWorker : public QObject {
public:
    explicit TLatestWorker(QObject* parent = nullptr);
    ~TLatestWorker() override;
    TLatestWorker(const TLatestWorker&) = delete;
    TLatestWorker& operator=(const TLatestWorker&) = delete;

    template <typename TResult>
    using TJob = std::function<void(std::stop_token, const std::function<void(TResult)>& deliver)>;

    template <typename TResult>
    void Start(TJob<TResult> job, std::function<void(const TResult&)> done) {
        const std::uint64_t generation = ++Generation;
        Post([this, generation, job = std::move(job), done = std::move(done)](std::stop_token stop) {
            const std::function<void(TResult)> deliver = [this, generation, done](TResult result) {
                QMetaObject::invokeMethod(
                    this,
                    [this, generation, done, result = std::move(result)] {
                        if (generation == Generation) {
                            done(result);
                        }
                    },
                    Qt::QueuedConnection);
            };
            job(stop, deliver);
        });
    }

    // Stops the job running and drops the one waiting; nothing of either is delivered.
    void Cancel();

private:
    void Post(std::function<void(std::stop_token)> job);
    void Run(std::stop_token quit);

    std::uint64_t Generation = 0;  // of the last job started; read and written on the owner's thread
    std::mutex Lock;
    std::condition_variable_any Wake;
    std::function<void(std::stop_token)> Waiting;  // under Lock
    std::stop_source Running;                      // under Lock
    std::jthread Thread;                           // last: it goes first, while the rest is still there
};

}  // namespace quintix
