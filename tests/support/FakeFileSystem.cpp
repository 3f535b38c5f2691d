#include "support/FakeFileSystem.h"

#include <algorithm>

namespace lumbrel::test {
namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Matches a file name against a pattern with '*' and '?', without regard to case.
bool WildMatch(const char* pattern, const char* name) {
    if (*pattern == '\0')
        return *name == '\0';
    if (*pattern == '*') {
        for (const char* n = name;; ++n) {
            if (WildMatch(pattern + 1, n))
                return true;
            if (*n == '\0')
                return false;
        }
    }
    if (*name == '\0')
        return false;
    if (*pattern != '?' && Lower(*pattern) != Lower(*name))
        return false;
    return WildMatch(pattern + 1, name + 1);
}

std::string LastComponent(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

// Drive C: exists, as on every Windows machine; other drives appear when a test adds to them.
FakeFileSystem::FakeFileSystem() {
    folders_["c:\\"] = Folder{"C:\\"};
}

std::string FakeFileSystem::Key(const std::string& path) {
    std::string key;
    key.reserve(path.size());
    for (char c : path) {
        char d = c == '/' ? '\\' : Lower(c);
        if (d == '\\' && !key.empty() && key.back() == '\\')
            continue;
        key += d;
    }
    while (key.size() > 3 && key.back() == '\\')
        key.pop_back();
    if (key.size() == 2 && key[1] == ':')
        key += '\\';
    return key;
}

std::string FakeFileSystem::ParentKey(const std::string& key) {
    size_t slash = key.find_last_of('\\');
    if (slash == std::string::npos)
        return "";
    if (slash == 2 && key[1] == ':')
        return key.substr(0, 3);
    return key.substr(0, slash);
}

bool FakeFileSystem::Fails(FsOp op, const std::string& path) const {
    return failures_.count({op, Key(path)}) != 0;
}

bool FakeFileSystem::ParentExists(const std::string& key) const {
    std::string parent = ParentKey(key);
    return parent.empty() || folders_.count(parent) != 0;
}

void FakeFileSystem::Touch(File& file) {
    now_ += 10000;
    file.stamp = FileStamp{file.content.size(), now_, nextId_++};
    ++writeCount_;
}

void FakeFileSystem::AddFolder(const std::string& path) {
    std::string key = Key(path);
    std::vector<std::string> chain;
    for (std::string k = key; !k.empty() && !folders_.count(k); k = ParentKey(k)) {
        chain.push_back(k);
        if (k.size() == 3 && k[1] == ':')
            break;
    }
    for (const std::string& k : chain) {
        folders_[k] = Folder{LastComponent(k)};
    }
    if (!chain.empty())
        folders_[key].displayName = LastComponent(path);
}

void FakeFileSystem::AddFile(const std::string& path, const std::string& content) {
    std::string key = Key(path);
    std::string parent = ParentKey(key);
    if (!parent.empty())
        AddFolder(path.substr(0, path.find_last_of("\\/")));
    File& file = files_[key];
    file.displayName = LastComponent(path);
    file.content = content;
    Touch(file);
}

std::string FakeFileSystem::Content(const std::string& path) const {
    auto it = files_.find(Key(path));
    return it == files_.end() ? std::string() : it->second.content;
}

bool FakeFileSystem::HasFile(const std::string& path) const {
    return files_.count(Key(path)) != 0;
}

bool FakeFileSystem::HasFolder(const std::string& path) const {
    return folders_.count(Key(path)) != 0;
}

void FakeFileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
    std::string key = Key(path);
    if (auto it = files_.find(key); it != files_.end())
        it->second.attributes = attributes;
    if (auto it = folders_.find(key); it != folders_.end())
        it->second.attributes = attributes | kAttrDirectory;
}

void FakeFileSystem::FailOn(FsOp op, const std::string& path) {
    failures_.insert({op, Key(path)});
}

void FakeFileSystem::ClearFailures() {
    failures_.clear();
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) {
    if (Fails(FsOp::Read, path))
        return std::nullopt;
    auto it = files_.find(Key(path));
    if (it == files_.end())
        return std::nullopt;
    ++readCount_;
    return it->second.content;
}

bool FakeFileSystem::Step() {
    if (stepsLeft_ == 0)
        return false;
    if (stepsLeft_ > 0)
        --stepsLeft_;
    return true;
}

bool FakeFileSystem::WriteFileAtomic(const std::string& path, std::string_view data) {
    std::string key = Key(path);
    if (Fails(FsOp::Write, path) || folders_.count(key) || !ParentExists(key))
        return false;
    if (!Step())
        return false;
    if (!Step()) {
        // Cut between writing the temporary file and renaming it: the temporary stays.
        File& temp = files_[key + ".~tmp"];
        temp.displayName = LastComponent(path) + ".~tmp";
        temp.content.assign(data);
        Touch(temp);
        return false;
    }
    File& file = files_[key];
    if (file.displayName.empty())
        file.displayName = LastComponent(path);
    file.content.assign(data);
    Touch(file);
    return true;
}

bool FakeFileSystem::AppendFile(const std::string& path, std::string_view data) {
    if (!Step())
        return false;
    std::string key = Key(path);
    if (Fails(FsOp::Append, path) || folders_.count(key) || !ParentExists(key))
        return false;
    File& file = files_[key];
    if (file.displayName.empty())
        file.displayName = LastComponent(path);
    file.content.append(data);
    Touch(file);
    return true;
}

bool FakeFileSystem::Exists(const std::string& path) {
    std::string key = Key(path);
    return files_.count(key) != 0 || folders_.count(key) != 0;
}

bool FakeFileSystem::IsDirectory(const std::string& path) {
    return folders_.count(Key(path)) != 0;
}

std::optional<FileStamp> FakeFileSystem::Stamp(const std::string& path) {
    auto it = files_.find(Key(path));
    if (it == files_.end())
        return std::nullopt;
    return it->second.stamp;
}

std::vector<DirEntry> FakeFileSystem::ListFolder(const std::string& pattern) {
    std::vector<DirEntry> entries;
    if (Fails(FsOp::List, pattern))
        return entries;
    size_t slash = pattern.find_last_of("\\/");
    std::string folder = slash == std::string::npos ? "" : Key(pattern.substr(0, slash));
    std::string mask = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    if (!folders_.count(folder))
        return entries;
    for (const auto& [key, file] : files_) {
        if (ParentKey(key) == folder && WildMatch(mask.c_str(), file.displayName.c_str()))
            entries.push_back(
                {file.displayName, file.attributes, file.content.size(), file.stamp.writeTime});
    }
    for (const auto& [key, sub] : folders_) {
        if (key != folder && ParentKey(key) == folder &&
            WildMatch(mask.c_str(), sub.displayName.c_str()))
            entries.push_back({sub.displayName, sub.attributes, 0, 0});
    }
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return Key(a.name) < Key(b.name); });
    return entries;
}

bool FakeFileSystem::CreateFolder(const std::string& path) {
    std::string key = Key(path);
    if (Fails(FsOp::CreateFolder, path) || folders_.count(key) || files_.count(key) ||
        !ParentExists(key))
        return false;
    folders_[key] = Folder{LastComponent(path)};
    return true;
}

bool FakeFileSystem::CopyFile(const std::string& from, const std::string& to, bool overwrite) {
    if (!Step())
        return false;
    if (Fails(FsOp::Copy, from) || Fails(FsOp::Copy, to))
        return false;
    auto src = files_.find(Key(from));
    std::string key = Key(to);
    if (src == files_.end() || folders_.count(key) || !ParentExists(key))
        return false;
    if (!overwrite && files_.count(key))
        return false;
    File copy = src->second;
    copy.displayName = LastComponent(to);
    File& dst = files_[key];
    dst = copy;
    Touch(dst);
    return true;
}

bool FakeFileSystem::MoveFile(const std::string& from, const std::string& to) {
    if (!Step())
        return false;
    if (Fails(FsOp::Move, from) || Fails(FsOp::Move, to))
        return false;
    auto src = files_.find(Key(from));
    std::string key = Key(to);
    if (src == files_.end() || files_.count(key) || folders_.count(key) || !ParentExists(key))
        return false;
    File moved = src->second;
    moved.displayName = LastComponent(to);
    files_.erase(src);
    files_[key] = moved;
    return true;
}

bool FakeFileSystem::DeleteFile(const std::string& path) {
    if (!Step())
        return false;
    if (Fails(FsOp::Delete, path))
        return false;
    return files_.erase(Key(path)) != 0;
}

}  // namespace lumbrel::test
