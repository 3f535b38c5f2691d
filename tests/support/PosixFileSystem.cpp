#include "support/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace lumbrel::test {
namespace {

// Closes a descriptor on every path out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t written = write(fd, data.data(), data.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

uint64_t FileTime(const struct timespec& time) {
    // 100-ns units, as FILETIME; the epoch does not matter for comparing stamps.
    return static_cast<uint64_t>(time.tv_sec) * 10000000u +
           static_cast<uint64_t>(time.tv_nsec) / 100u;
}

}  // namespace

PosixFileSystem::PosixFileSystem(std::string root, bool syncWrites)
    : root_(std::move(root)), syncWrites_(syncWrites) {}

std::string PosixFileSystem::HostPath(const std::string& path) const {
    std::string rest = path;
    if (rest.size() >= 2 && rest[1] == ':')
        rest.erase(0, 2);
    std::string host = root_;
    for (char c : rest) {
        char d = c == '\\' ? '/' : c;
        if (d == '/' && !host.empty() && host.back() == '/')
            continue;
        host += d;
    }
    while (host.size() > root_.size() && host.back() == '/')
        host.pop_back();
    return host;
}

std::optional<std::string> PosixFileSystem::ReadFile(const std::string& path) {
    Descriptor fd(open(HostPath(path).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::string content;
    content.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    for (;;) {
        if (done == content.size())
            content.resize(done + 4096);
        ssize_t got = read(fd.get(), content.data() + done, content.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    content.resize(done);
    return content;
}

bool PosixFileSystem::WriteFileAtomic(const std::string& path, std::string_view data) {
    std::string target = HostPath(path);
    std::string temp = target + ".XXXXXX";
    Descriptor fd(mkstemp(temp.data()));
    if (fd.get() < 0)
        return false;
    bool ok = WriteAll(fd.get(), data) && (!syncWrites_ || fsync(fd.get()) == 0);
    ok = close(fd.release()) == 0 && ok;
    ok = ok && chmod(temp.c_str(), 0644) == 0 && rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
        unlink(temp.c_str());
    return ok;
}

bool PosixFileSystem::AppendFile(const std::string& path, std::string_view data) {
    Descriptor fd(open(HostPath(path).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    return fd.get() >= 0 && WriteAll(fd.get(), data);
}

bool PosixFileSystem::Exists(const std::string& path) {
    struct stat info {};
    return stat(HostPath(path).c_str(), &info) == 0;
}

bool PosixFileSystem::IsDirectory(const std::string& path) {
    struct stat info {};
    return stat(HostPath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<FileStamp> PosixFileSystem::Stamp(const std::string& path) {
    struct stat info {};
    if (stat(HostPath(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileStamp{static_cast<uint64_t>(info.st_size), FileTime(info.st_mtim),
                     static_cast<uint64_t>(info.st_ino)};
}

std::vector<DirEntry> PosixFileSystem::ListFolder(const std::string& pattern) {
    std::vector<DirEntry> entries;
    size_t slash = pattern.find_last_of("\\/");
    std::string folder = HostPath(slash == std::string::npos ? "" : pattern.substr(0, slash));
    std::string mask = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return entries;
    while (const dirent* item = readdir(dir)) {
        std::string name = item->d_name;
        if (name == "." || name == ".." || fnmatch(mask.c_str(), name.c_str(), FNM_CASEFOLD) != 0)
            continue;
        struct stat info {};
        if (stat((folder + "/" + name).c_str(), &info) != 0)
            continue;
        bool isDir = S_ISDIR(info.st_mode);
        entries.push_back({name, isDir ? uint32_t{kAttrDirectory} : uint32_t{kAttrArchive},
                           isDir ? 0 : static_cast<uint64_t>(info.st_size),
                           FileTime(info.st_mtim)});
    }
    closedir(dir);
    return entries;
}

bool PosixFileSystem::CreateFolder(const std::string& path) {
    return mkdir(HostPath(path).c_str(), 0755) == 0;
}

bool PosixFileSystem::CopyFile(const std::string& from, const std::string& to, bool overwrite) {
    if (!overwrite && Exists(to))
        return false;
    std::optional<std::string> content = ReadFile(from);
    return content && WriteFileAtomic(to, *content);
}

bool PosixFileSystem::MoveFile(const std::string& from, const std::string& to) {
    if (Exists(to))
        return false;
    return rename(HostPath(from).c_str(), HostPath(to).c_str()) == 0;
}

bool PosixFileSystem::DeleteFile(const std::string& path) {
    return unlink(HostPath(path).c_str()) == 0;
}

}  // namespace lumbrel::test
