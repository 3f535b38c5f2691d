#include "win32/platform/Win32FileSystem.h"

#include <algorithm>

#include "base/Paths.h"
#include "win32/platform/Handles.h"
#include "win32/platform/Win32CodePage.h"

namespace lumbrel::win32 {
namespace {

uint64_t Join(DWORD high, DWORD low) {
    return (static_cast<uint64_t>(high) << 32) | low;
}

uint64_t FromFileTime(const FILETIME& time) {
    return Join(time.dwHighDateTime, time.dwLowDateTime);
}

FILETIME ToFileTime(uint64_t time) {
    FILETIME result;
    result.dwLowDateTime = static_cast<DWORD>(time & 0xFFFFFFFFu);
    result.dwHighDateTime = static_cast<DWORD>(time >> 32);
    return result;
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// "C:\dir\" names the folder "C:\dir", but "C:\" must keep its backslash: "C:" alone is the
// current folder of drive C.
std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && IsSeparator(path.back()) && !(path.size() == 3 && path[1] == ':'))
        path.pop_back();
    return path;
}

// The folder the temporary file of an atomic write goes to: the target's own, split with the
// code page's rule (a GBK name may end in the byte of a backslash).
std::string FolderOf(const std::string& path) {
    static const Win32CodePage systemCodePage;
    const std::string_view folder = SplitPath(systemCodePage, path).folder;
    return folder.empty() ? std::string(".") : std::string(folder);
}

bool WriteAll(HANDLE file, std::string_view data) {
    while (!data.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, data.data(), chunk, &written, nullptr) || written == 0)
            return false;
        data.remove_prefix(written);
    }
    return true;
}

// The next time a file system could store after `time`: the time of a file written on FAT
// is a whole number of 2-second units and on exFAT of 10-ms units, while NTFS keeps 100 ns.
uint64_t NextStorableTime(uint64_t time) {
    constexpr uint64_t kFatUnit = 20000000;
    constexpr uint64_t kExFatUnit = 100000;
    if (time % kFatUnit == 0)
        return time + kFatUnit;
    if (time % kExFatUnit == 0)
        return time + kExFatUnit;
    return time + 1;
}

// Readers (the INI store's cache) tell file versions apart by size and last write time. The
// clock behind the write time moves in ticks of about 15 ms, so two rewrites of equal size
// within one tick, by two processes, would look like one version. The new file is therefore
// always given a write time after the one it replaces; a file id is not needed, and reading
// one would cost an open on every stamp.
void MakeTimeFollow(HANDLE temp, const std::string& target) {
    WIN32_FILE_ATTRIBUTE_DATA old;
    FILETIME written;
    if (!::GetFileAttributesExA(target.c_str(), GetFileExInfoStandard, &old) ||
        !::GetFileTime(temp, nullptr, nullptr, &written))
        return;
    uint64_t oldTime = FromFileTime(old.ftLastWriteTime);
    if (FromFileTime(written) > oldTime)
        return;
    FILETIME next = ToFileTime(NextStorableTime(oldTime));
    ::SetFileTime(temp, nullptr, nullptr, &next);
}

bool WriteTemporary(const char* temp, const std::string& target, std::string_view data) {
    UniqueHandle file(::CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !WriteAll(file.Get(), data))
        return false;
    MakeTimeFollow(file.Get(), target);
    return ::FlushFileBuffers(file.Get()) != 0;
}

}  // namespace

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) try {
    UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size;
    if (!file || !::GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<uint64_t>(size.QuadPart) > kMaxReadSize)
        return std::nullopt;
    std::string content(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    for (;;) {
        // The file may grow while it is read; read on to its end, within the limit.
        if (done == content.size()) {
            if (done >= kMaxReadSize)
                return std::nullopt;
            content.resize(done + 4096);
        }
        DWORD got = 0;
        DWORD want = static_cast<DWORD>(std::min<size_t>(content.size() - done, 1u << 30));
        if (!::ReadFile(file.Get(), content.data() + done, want, &got, nullptr))
            return std::nullopt;
        if (got == 0)
            break;
        done += got;
    }
    content.resize(done);
    return content;
} catch (...) {
    return std::nullopt;
}

bool Win32FileSystem::WriteFileAtomic(const std::string& path, std::string_view data) try {
    // A read-only file was marked so by the user (MoveFileEx would replace it on some
    // systems); a hidden or system one keeps those attributes.
    DWORD old = ::GetFileAttributesA(path.c_str());
    if (old == INVALID_FILE_ATTRIBUTES)
        old = 0;
    if (old & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))
        return false;
    char temp[MAX_PATH];
    if (!::GetTempFileNameA(FolderOf(path).c_str(), "lum", 0, temp))
        return false;
    bool done = WriteTemporary(temp, path, data);
    if (done && (old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        ::SetFileAttributesA(
            temp, (old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) | FILE_ATTRIBUTE_ARCHIVE);
    done = done && ::MoveFileExA(temp, path.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!done)
        ::DeleteFileA(temp);
    return done;
} catch (...) {
    return false;
}

bool Win32FileSystem::AppendFile(const std::string& path, std::string_view data) {
    UniqueHandle file(::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteAll(file.Get(), data);
}

bool Win32FileSystem::Exists(const std::string& path) try {
    return ::GetFileAttributesA(WithoutTrailingSeparators(path).c_str()) != INVALID_FILE_ATTRIBUTES;
} catch (...) {
    return false;
}

bool Win32FileSystem::IsDirectory(const std::string& path) try {
    DWORD attributes = ::GetFileAttributesA(WithoutTrailingSeparators(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
} catch (...) {
    return false;
}

std::optional<FileStamp> Win32FileSystem::Stamp(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return FileStamp{Join(data.nFileSizeHigh, data.nFileSizeLow),
                     FromFileTime(data.ftLastWriteTime), 0};
}

std::vector<DirEntry> Win32FileSystem::ListFolder(const std::string& pattern) try {
    std::vector<DirEntry> entries;
    WIN32_FIND_DATAA data;
    FindHandle find(::FindFirstFileA(pattern.c_str(), &data));
    if (!find)
        return entries;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        entries.push_back({std::move(name), data.dwFileAttributes,
                           Join(data.nFileSizeHigh, data.nFileSizeLow),
                           FromFileTime(data.ftLastWriteTime)});
    } while (::FindNextFileA(find.Get(), &data));
    return entries;
} catch (...) {
    return {};
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
    return ::CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool Win32FileSystem::CopyFile(const std::string& from, const std::string& to, bool overwrite) {
    return ::CopyFileA(from.c_str(), to.c_str(), overwrite ? FALSE : TRUE) != 0;
}

bool Win32FileSystem::MoveFile(const std::string& from, const std::string& to) {
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_COPY_ALLOWED) != 0;
}

bool Win32FileSystem::DeleteFile(const std::string& path) {
    return ::DeleteFileA(path.c_str()) != 0;
}

}  // namespace lumbrel::win32
