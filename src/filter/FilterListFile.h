// "Filter.ini": the four filter lists as numbered keys, "pop1", "pop2", … in "PopFilter" and
// "PopUnFilter", "url1", "url2", … in "UrlFilter" and "UrlUnFilter". A section is read from
// 1 up to the first missing or empty key, so a gap hides every later entry; it is written by
// deleting it and numbering the entries again from 1.
#pragma once

#include <string>

#include "base/PrivateProfile.h"
#include "filter/FilterLists.h"
#include "platform/CodePage.h"

namespace lumbrel {

class FilterListFile {
public:
    // Values longer than this are cut, as a read into a 1024-byte buffer cuts them.
    static constexpr size_t kMaxEntryBytes = 1023;

    // The four lists; a missing file or section gives empty lists.
    static FilterListsCopy Read(PrivateProfile& store, const CodePage& cp, const std::string& path);
    // Rewrites the four sections, leaving the rest of the file as it was, in one atomic
    // replacement. Blank entries are left out, so the numbering has no hole. False when the
    // file could not be written.
    static bool Write(PrivateProfile& store, const std::string& path, const FilterListsCopy& lists);
};

}  // namespace lumbrel
