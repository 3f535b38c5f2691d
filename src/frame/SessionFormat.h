// The text of the session files ("LastVisit.ini", "Visiting.ini") and of the closed-windows
// file ("LastClose.ini"), rendered whole so that each file is replaced in one atomic write:
// a crash at any moment leaves the previous file or the new one, never a half-written one.
//
// Values are made safe for one INI line: a page title may hold line breaks and other
// control characters, which would end the value early (and lose the rest of the title).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "frame/UndoCloseRing.h"

namespace lumbrel {

// One window of a session file.
struct SessionEntry {
    int state = 0;  // its tab image; 4 = locked
    std::string name;
    std::string url;
};

inline constexpr const char* kSessionSection = "LastVisit";
inline constexpr const char* kClosedSection = "LastClose";

// `text` with every control character (below 0x20, and DEL) replaced by a blank. Trail bytes
// of double-byte characters are 0x40 or above, so no character is damaged.
std::string IniSafeValue(std::string_view text);

// "[LastVisit]" with "state"/"name"/"url" + n for each entry, n from 0.
std::string RenderSession(const std::vector<SessionEntry>& entries);
// "[LastClose]" with "name"/"url" + n for each page, oldest first.
std::string RenderClosedList(const std::vector<ClosedPage>& pages);

}  // namespace lumbrel
