#include "base/SerialFileWriter.h"

#include <utility>

namespace lumbrel {

SerialFileWriter::SerialFileWriter(FileSystem& fs, Tasks& tasks, std::string path)
    : fs_(fs), tasks_(tasks), path_(std::move(path)) {}

SerialFileWriter::~SerialFileWriter() {
    WaitIdle();
}

void SerialFileWriter::Save(std::string text) {
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(text);
        if (running_)
            return;
        running_ = true;
    }
    // Without a worker the file is written here and now rather than never: a save left to a
    // worker that does not exist would hold every later one and the exit for ever.
    if (!tasks_.RunInBackground([this] { Drain(); }))
        Drain();
}

void SerialFileWriter::Drain() {
    for (;;) {
        std::string text;
        {
            std::lock_guard lock(mutex_);
            if (!pending_) {
                running_ = false;
                idle_.notify_all();
                return;
            }
            text = std::move(*pending_);
            pending_.reset();
        }
        const bool written = fs_.WriteFileAtomic(path_, text);
        if (!written) {
            std::lock_guard lock(mutex_);
            ++failed_;
        }
    }
}

void SerialFileWriter::WaitIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !running_; });
}

int SerialFileWriter::FailedWrites() const {
    std::lock_guard lock(mutex_);
    return failed_;
}

}  // namespace lumbrel
