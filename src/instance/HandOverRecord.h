// The hand-over record: the one NUL-terminated ANSI string a second start leaves in the shared
// memory "TAVROSHARE" for the running main window (which then gets UM_HANDOVER), with the
// names of the objects that carry it. The binding's sender and receiver move the bytes; the
// rules for what is written and what is read back, and the messages their failures show, are
// here.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "language/Language.h"
#include "platform/CodePage.h"
#include "platform/RunningInstance.h"
#include "platform/Ui.h"

namespace lumbrel {

inline constexpr const char* kHandOverMutexName = "LumbrelMutex";
inline constexpr const char* kHandOverMappingName = "TAVROSHARE";
// Bytes of the record, terminator included.
inline constexpr size_t kHandOverRecordSize = 2560;
inline constexpr size_t kHandOverMaxText = kHandOverRecordSize - 1;

// Writes `text`, cut to kHandOverMaxText bytes without splitting a double-byte character,
// and its terminator at the start of `record` (at least kHandOverRecordSize bytes; a shorter
// record gets as much as fits, still terminated). Returns the bytes written before the NUL.
size_t WriteHandOverRecord(const CodePage& cp, std::string_view text, std::span<char> record);

// The string at the start of `record`, never more than kHandOverMaxText bytes and never past
// the record's end, whether or not the writer terminated it.
std::string ReadHandOverRecord(std::span<const char> record);

// --- what a failed hand-over shows ---

// The string id of the message a second start shows after a failed send; nothing when there
// is none to show (delivered, or the running copy was busy and is only brought forward).
std::optional<int> SenderFailureStringId(HandOverSendResult result);

enum class HandOverReceiveResult { Received, NoSharedMemory, NoView };

struct HandOverReceipt {
    HandOverReceiveResult result = HandOverReceiveResult::Received;
    std::string text;
};

// The running main window's side: the text to open, or nothing. A failure shows its message.
// An empty record opens nothing either: a message that arrives after its sender gave up
// waiting finds the record gone and a new, zero-filled one in its place.
std::optional<std::string> AcceptHandOver(const HandOverReceipt& receipt, Ui& ui,
                                          const Language& lang);

}  // namespace lumbrel
