// One favorite on disk: an Internet Shortcut (".url", a private-profile file whose section
// "InternetShortcut" holds "URL" and the program's own "Property", the download-control
// flags for the window that opens it) or a shell link (".lnk", resolved by the shell when
// it is opened).
#pragma once

#include <string>
#include <string_view>

#include "base/PrivateProfile.h"
#include "platform/CodePage.h"

namespace lumbrel {

inline constexpr const char* kShortcutSection = "InternetShortcut";
inline constexpr const char* kShortcutUrlKey = "URL";
inline constexpr const char* kShortcutPropertyKey = "Property";
// Download-control flags that leave the window's own.
inline constexpr int kDefaultDownloadFlags = -1;

struct FavoriteTarget {
    std::string address;
    int downloadFlags = kDefaultDownloadFlags;
};

// A file name the favorites list: ".url" in any case, ".lnk" in exactly that case.
bool IsFavoriteFileName(const CodePage& cp, std::string_view name);
// The name shown for a favorite: its file name without the extension.
std::string FavoriteTitle(const CodePage& cp, std::string_view fileName);

// What opening `path` navigates to: for a ".url" its "URL" and "Property"; any other path
// (a ".lnk") is passed on as it is, with the window's own flags.
FavoriteTarget ReadFavoriteTarget(PrivateProfile& profiles, const CodePage& cp,
                                  const std::string& path);

// Replaces the section "InternetShortcut" of `path` by "URL" (and "Property" unless the
// flags are the default) in one file replacement. Control characters in the address become
// blanks, so no line break can end it early. False when the file cannot be written.
bool WriteUrlShortcut(PrivateProfile& profiles, const std::string& path, std::string_view url,
                      int downloadFlags);

}  // namespace lumbrel
