#include "view/message_log.h"

namespace minamori {

void MessageLog::shiftIn(std::string text, int32_t code) {
    for (int k = kEntries - 1; k > 0; --k) entries_[k] = std::move(entries_[k - 1]);
    entries_[0] = tmoji_efe{std::move(text), code};
}

void MessageLog::add(const std::vector<std::string>& screenLines, int32_t code) {
    if (screenLines.size() < 2) {
        shiftIn(screenLines.empty() ? std::string() : screenLines[0], code);
        return;
    }
    shiftIn(screenLines[0], code);
    shiftIn("　" + screenLines[1], code);
}

void MessageLog::clear() {
    for (auto& e : entries_) e = tmoji_efe{};
}

}  // namespace minamori
