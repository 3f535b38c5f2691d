// The hand-over record mapped into this process: the page-file backed mapping, created or
// opened by name with the record's size, and a view of the record's bytes. Both are released
// when the object goes out of scope, the view first. The sender writes through one while it
// holds the hand-over mutex; the receiver reads through another inside the sender's send.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "win32/platform/Handles.h"

namespace lumbrel::win32 {

class SharedRecordView {
public:
    enum class Access { Read, ReadWrite };
    enum class Status { Mapped, NoMapping, NoView };

    SharedRecordView(const std::string& mappingName, Access access);

    Status GetStatus() const { return status_; }
    // The record's bytes; empty unless mapped. Read access gives read-only pages: write
    // through a ReadWrite view only.
    std::span<char> Bytes() const;

private:
    struct Unmap {
        void operator()(void* view) const { UnmapViewOfFile(view); }
    };

    UniqueHandle mapping_;
    // Declared after the mapping: the view goes first.
    std::unique_ptr<void, Unmap> view_;
    Status status_ = Status::NoMapping;
};

}  // namespace lumbrel::win32
