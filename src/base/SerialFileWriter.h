// The one writer of a file that is saved whole from a worker (the engine list, the proxy
// list). A save hands over the file's complete text, taken on the user-interface thread, and
// returns at once. Saves never overlap: while the worker writes, a later save only replaces
// the text waiting to be written next, so the file always ends as the latest text. Each write
// replaces the file atomically, so a crash or an end in the middle leaves the old file or the
// new one, never a deleted or half-written list. The exit waits (WaitIdle, the destructor).
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Tasks.h"

namespace lumbrel {

class SerialFileWriter {
public:
    // `fs` must be safe to use from a worker thread; it and `tasks` outlive the writer.
    SerialFileWriter(FileSystem& fs, Tasks& tasks, std::string path);
    ~SerialFileWriter();
    SerialFileWriter(const SerialFileWriter&) = delete;
    SerialFileWriter& operator=(const SerialFileWriter&) = delete;

    // Queues `text` as the file's next content, replacing a text still waiting; starts the
    // worker when none runs.
    void Save(std::string text);
    // Returns once every queued text has been written (or its write failed).
    void WaitIdle();
    int FailedWrites() const;
    const std::string& Path() const { return path_; }

private:
    void Drain();

    FileSystem& fs_;
    Tasks& tasks_;
    const std::string path_;
    mutable std::mutex mutex_;
    std::condition_variable idle_;
    std::optional<std::string> pending_;
    bool running_ = false;
    int failed_ = 0;
};

}  // namespace lumbrel
