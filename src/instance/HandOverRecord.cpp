#include "instance/HandOverRecord.h"

#include <algorithm>
#include <cstring>

#include "base/DbcsText.h"
#include "language/StringIds.h"

namespace lumbrel {

size_t WriteHandOverRecord(const CodePage& cp, std::string_view text, std::span<char> record) {
    if (record.empty())
        return 0;
    size_t room = std::min(kHandOverMaxText, record.size() - 1);
    std::string_view cut = CutToBytes(cp, text.substr(0, text.find('\0')), room);
    std::memcpy(record.data(), cut.data(), cut.size());
    record[cut.size()] = '\0';
    return cut.size();
}

std::string ReadHandOverRecord(std::span<const char> record) {
    size_t limit = std::min(kHandOverMaxText, record.size());
    const char* begin = record.data();
    const char* end = std::find(begin, begin + limit, '\0');
    return std::string(begin, end);
}

std::optional<int> SenderFailureStringId(HandOverSendResult result) {
    switch (result) {
        case HandOverSendResult::NoSharedMemory:
            return IDS_SENDER_SHARE_MEMORY_FAILED;
        case HandOverSendResult::NoView:
            return IDS_SENDER_MAP_VIEW_FAILED;
        case HandOverSendResult::Delivered:
        case HandOverSendResult::Busy:
        case HandOverSendResult::NotAnswered:
            break;
    }
    return std::nullopt;
}

std::optional<std::string> AcceptHandOver(const HandOverReceipt& receipt, Ui& ui,
                                          const Language& lang) {
    switch (receipt.result) {
        case HandOverReceiveResult::NoSharedMemory:
            ui.MessageBox(lang.LngLoadString(IDS_RECEIVER_SHARE_MEMORY_FAILED), MsgButtons::Ok,
                          MsgIcon::Warning);
            return std::nullopt;
        case HandOverReceiveResult::NoView:
            ui.MessageBox(lang.LngLoadString(IDS_RECEIVER_MAP_VIEW_FAILED), MsgButtons::Ok,
                          MsgIcon::Warning);
            return std::nullopt;
        case HandOverReceiveResult::Received:
            break;
    }
    if (receipt.text.empty())
        return std::nullopt;
    return receipt.text;
}

}  // namespace lumbrel
