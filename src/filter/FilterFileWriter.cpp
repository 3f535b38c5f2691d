#include "filter/FilterFileWriter.h"

#include <utility>

#include "base/PrivateProfile.h"
#include "filter/FilterListFile.h"

namespace lumbrel {

FilterFileWriter::FilterFileWriter(FileSystem& fs, Tasks& tasks, std::string path)
    : fs_(fs), tasks_(tasks), path_(std::move(path)) {}

FilterFileWriter::~FilterFileWriter() {
    WaitIdle();
}

void FilterFileWriter::Save(FilterListsCopy lists) {
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(lists);
        if (running_)
            return;
        running_ = true;
    }
    // Without a worker the file is written here and now rather than never: a save left to a
    // worker that does not exist would hold every later one and the exit for ever.
    if (!tasks_.RunInBackground([this] { Drain(); }))
        Drain();
}

void FilterFileWriter::Drain() {
    for (;;) {
        FilterListsCopy lists;
        {
            std::lock_guard lock(mutex_);
            if (!pending_) {
                running_ = false;
                idle_.notify_all();
                return;
            }
            lists = std::move(*pending_);
            pending_.reset();
        }
        bool written = false;
        try {
            // A store of the worker's own: the user-interface thread's serves that thread
            // alone, and a fresh one sees what anyone wrote meanwhile.
            PrivateProfile store(fs_);
            written = FilterListFile::Write(store, path_, lists);
        } catch (...) {
            // Out of memory for a huge list: the file keeps its last complete state, and the
            // worker still ends as it should, or the exit would wait for it for ever.
        }
        if (!written) {
            std::lock_guard lock(mutex_);
            ++failed_;
        }
    }
}

void FilterFileWriter::WaitIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !running_; });
}

int FilterFileWriter::FailedWrites() const {
    std::lock_guard lock(mutex_);
    return failed_;
}

}  // namespace lumbrel
