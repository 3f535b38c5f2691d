#include "win32/instance/SharedRecordView.h"

#include "instance/HandOverRecord.h"

namespace lumbrel::win32 {

SharedRecordView::SharedRecordView(const std::string& mappingName, Access access)
    : mapping_(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  static_cast<DWORD>(kHandOverRecordSize), mappingName.c_str())) {
    if (!mapping_)
        return;
    // A mapping of that name made smaller by some other program fails here instead of
    // letting the record run past its end.
    const DWORD desired = access == Access::Read ? FILE_MAP_READ : FILE_MAP_WRITE;
    view_.reset(MapViewOfFile(mapping_.Get(), desired, 0, 0, kHandOverRecordSize));
    status_ = view_ ? Status::Mapped : Status::NoView;
}

std::span<char> SharedRecordView::Bytes() const {
    if (!view_)
        return {};
    return {static_cast<char*>(view_.get()), kHandOverRecordSize};
}

}  // namespace lumbrel::win32
