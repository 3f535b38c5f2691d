// The one writer of "Filter.ini". A save hands it a copy of the four lists taken on the
// user-interface thread and returns at once; a worker writes the file. Saves never overlap:
// while the worker writes, later saves only replace the copy it will write next, so a burst
// of saves costs at most two writes and the file always ends as the latest copy. Both pairs
// are written every time, from the same copy, so a save of one pair never brings back an old
// state of the other. The exit waits for the worker (WaitIdle, and the destructor).
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>

#include "filter/FilterLists.h"
#include "platform/FileSystem.h"
#include "platform/Tasks.h"

namespace lumbrel {

class FilterFileWriter {
public:
    // `fs` must be safe to use from a worker thread; it and `tasks` outlive the writer.
    FilterFileWriter(FileSystem& fs, Tasks& tasks, std::string path);
    ~FilterFileWriter();
    FilterFileWriter(const FilterFileWriter&) = delete;
    FilterFileWriter& operator=(const FilterFileWriter&) = delete;

    // Queues `lists` to be written, replacing a copy still waiting; starts the worker when
    // none runs.
    void Save(FilterListsCopy lists);
    // Returns once every queued copy has been written (or its write failed).
    void WaitIdle();
    // Writes that failed so far.
    int FailedWrites() const;

private:
    void Drain();

    FileSystem& fs_;
    Tasks& tasks_;
    const std::string path_;
    mutable std::mutex mutex_;
    std::condition_variable idle_;
    std::optional<FilterListsCopy> pending_;
    bool running_ = false;
    int failed_ = 0;
};

}  // namespace lumbrel
