// The one writer of "Filter.ini". A save hands it a copy of the four lists taken on the
// user-interface thread; the worker turns it into the file. Both pairs are written every time,
// from the same copy, so a save of one pair never brings back an old state of the other. Saves
// are serialised as SerialWriter says.
#pragma once

#include <string>

#include "base/SerialWriter.h"
#include "filter/FilterLists.h"
#include "platform/FileSystem.h"

namespace lumbrel {

class FilterFileWriter {
public:
    // `fs` must be safe to use from a worker thread; it and `tasks` outlive the writer.
    FilterFileWriter(FileSystem& fs, Tasks& tasks, std::string path);

    // Queues `lists` to be written, replacing a copy still waiting.
    void Save(FilterListsCopy lists) { writer_.Save(std::move(lists)); }
    // Returns once every queued copy has been written (or its write failed).
    void WaitIdle() { writer_.WaitIdle(); }
    int FailedWrites() const { return writer_.FailedWrites(); }

private:
    const std::string path_;
    SerialWriter<FilterListsCopy> writer_;  // last: its destructor waits while path_ is alive
};

}  // namespace lumbrel
