// One writer of one file, fed from the user-interface thread and writing on a worker. A save
// hands over what the file must hold (a text, a copy of some lists) and returns at once. Saves
// never overlap: while the worker writes, a later save only replaces what waits to be written
// next, so a burst of saves costs at most two writes and the file always ends as the latest
// save. The exit waits for the worker (WaitIdle, and the destructor).
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/Tasks.h"

namespace lumbrel {

template <class Content>
class SerialWriter {
public:
    // Writes one save's content; false when the write failed. Runs on the worker, never two
    // at once.
    using WriteFn = std::function<bool(Content&)>;

    // `tasks` outlives the writer.
    SerialWriter(Tasks& tasks, WriteFn write) : tasks_(tasks), write_(std::move(write)) {}
    ~SerialWriter() { WaitIdle(); }
    SerialWriter(const SerialWriter&) = delete;
    SerialWriter& operator=(const SerialWriter&) = delete;

    // Queues `content`, replacing one still waiting; starts the worker when none runs.
    void Save(Content content) {
        {
            std::lock_guard lock(mutex_);
            pending_ = std::move(content);
            if (running_)
                return;
            running_ = true;
        }
        // Without a worker the file is written here and now rather than never: a save left to
        // a worker that does not exist would hold every later one and the exit for ever.
        if (!tasks_.RunInBackground([this] { Drain(); }))
            Drain();
    }

    // Returns once every queued save has been written (or its write failed).
    void WaitIdle() {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return !running_; });
    }

    int FailedWrites() const {
        std::lock_guard lock(mutex_);
        return failed_;
    }

private:
    void Drain() {
        for (;;) {
            std::optional<Content> content;
            {
                std::lock_guard lock(mutex_);
                if (!pending_) {
                    running_ = false;
                    idle_.notify_all();
                    return;
                }
                content.swap(pending_);
            }
            bool written = false;
            try {
                written = write_(*content);
            } catch (...) {
                // Out of memory for a huge save: the file keeps its last complete state, and
                // the worker still ends as it should, or the exit would wait for it for ever.
            }
            if (!written) {
                std::lock_guard lock(mutex_);
                ++failed_;
            }
        }
    }

    Tasks& tasks_;
    const WriteFn write_;
    mutable std::mutex mutex_;
    std::condition_variable idle_;
    std::optional<Content> pending_;
    bool running_ = false;
    int failed_ = 0;
};

}  // namespace lumbrel
