#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// Watches one step of a test: when it takes longer than its time, the run stops at once and says
// which step hung, so a read that would wait forever fails the test instead of blocking the suite.
class Watchdog {
public:
    explicit Watchdog(const QString& step, std::chrono::milliseconds limit = std::chrono::seconds(20))
        : step_(step.toUtf8()), thread_([this, limit] {
              std::unique_lock lock(mutex_);
              if (!done_.wait_for(lock, limit, [this] { return finished_; }))
                  qFatal("hung for more than %lld ms: %s", qlonglong(limit.count()), step_.constData());
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        done_.notify_one();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    QByteArray step_;
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread thread_; // last: it starts once the rest is ready
};
