#include "filter/FilterFileWriter.h"

#include <utility>

#include "base/PrivateProfile.h"
#include "filter/FilterListFile.h"

namespace lumbrel {

FilterFileWriter::FilterFileWriter(FileSystem& fs, Tasks& tasks, std::string path)
    : path_(std::move(path)), writer_(tasks, [&fs, this](FilterListsCopy& lists) {
          // A store of the worker's own: the user-interface thread's serves that thread alone,
          // and a fresh one sees what anyone wrote meanwhile.
          PrivateProfile store(fs);
          return FilterListFile::Write(store, path_, lists);
      }) {}

}  // namespace lumbrel
