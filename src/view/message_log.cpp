#include "view/message_log.h"

namespace minamori {

void MessageLog::shiftIn(std::string text, int32_t code) {
    for (int k = kEntries - 1; k > 0; --k) entries_[k] = std::move(entries_[k - 1]);
    entries_[0] = tmoji_efe{std::move(text), code};
}

std::string screenLine(const std::vector<std::string>& wrappedLines, std::size_t i) {
    return i == 0 ? wrappedLines[0] : "　" + wrappedLines[i];
}

// Every line is kept: a long closing tip wraps to three lines, and a third
// line dropped would end it mid-word.
void MessageLog::add(const std::vector<std::string>& wrappedLines, int32_t code) {
    if (wrappedLines.empty()) {
        shiftIn(std::string(), code);
        return;
    }
    // Lines that would only pass through the log on their way out are skipped.
    const std::size_t first =
        wrappedLines.size() > kEntries ? wrappedLines.size() - kEntries : 0;
    for (std::size_t i = first; i < wrappedLines.size(); ++i)
        shiftIn(screenLine(wrappedLines, i), code);
}

void MessageLog::clear() {
    for (auto& e : entries_) e = tmoji_efe{};
}

}  // namespace minamori
