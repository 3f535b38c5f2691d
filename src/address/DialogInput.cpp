#include "address/DialogInput.h"

#include <algorithm>

#include "address/UpUrl.h"
#include "base/DbcsText.h"
#include "base/FileNameCleaning.h"
#include "base/LinkLike.h"

namespace lumbrel {

DialogInput::DialogInput(std::string prompt, std::string text, bool openButton)
    : prompt_(std::move(prompt)),
      text_(std::move(text)),
      openButton_(openButton),
      textMode_(!IsLinkLike(text_)) {}

std::optional<std::string> DialogInput::UpUrl(const std::string& field) const {
    std::string up = lumbrel::UpUrl(field);
    if (up == field)
        return std::nullopt;
    return up;
}

std::string DialogInput::ProposedFileName(const CodePage& cp, std::string_view field) {
    const std::string name = lumbrel::ProposedFileName(cp, field);
    return std::string(CutToBytes(cp, name, kMaxProposedName));
}

bool DialogInput::SaveText(FileSystem& fs, const std::string& path, std::string_view field) {
    return !path.empty() && !field.empty() && fs.WriteFileAtomic(path, field);
}

std::string DialogInput::CopiedText(std::string_view field, size_t start, size_t end) {
    start = std::min(start, field.size());
    end = std::min(end, field.size());
    if (start >= end)
        return std::string(field);
    return std::string(field.substr(start, end - start));
}

}  // namespace lumbrel
