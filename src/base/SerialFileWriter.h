// The one writer of a file that is saved whole as a text (the engine list, the proxy list): a
// save hands over the file's complete text, taken on the user-interface thread, and each write
// replaces the file atomically, so a crash or an end in the middle leaves the old file or the
// new one, never a deleted or half-written list. Saves are serialised as SerialWriter says.
#pragma once

#include <string>

#include "base/SerialWriter.h"
#include "platform/FileSystem.h"

namespace lumbrel {

class SerialFileWriter {
public:
    // `fs` must be safe to use from a worker thread; it and `tasks` outlive the writer.
    SerialFileWriter(FileSystem& fs, Tasks& tasks, std::string path)
        : path_(std::move(path)), writer_(tasks, [&fs, this](std::string& text) {
              return fs.WriteFileAtomic(path_, text);
          }) {}

    // Queues `text` as the file's next content, replacing a text still waiting.
    void Save(std::string text) { writer_.Save(std::move(text)); }
    // Returns once every queued text has been written (or its write failed).
    void WaitIdle() { writer_.WaitIdle(); }
    int FailedWrites() const { return writer_.FailedWrites(); }
    const std::string& Path() const { return path_; }

private:
    const std::string path_;
    SerialWriter<std::string> writer_;  // last: its destructor waits while path_ is alive
};

}  // namespace lumbrel
