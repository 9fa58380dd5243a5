#include "script/queue.h"

#include "core/text_util.h"

namespace minamori {

void MessageQueue::pushLine(const std::string& text) {
    // An empty text would free the head of a full queue and hide the lines behind it.
    if (text.empty()) return;
    // The lowest free slot, or the head when the queue is full.
    int target = 0;
    for (int i = 0; i < kSlots; ++i) {
        if (slots_[i].empty()) {
            target = i;
            break;
        }
    }
    slots_[target] = text;
}

void MessageQueue::clearQueue() {
    for (auto& s : slots_) s.clear();
}

void MessageQueue::popLine() {
    for (int i = 0; i + 1 < kSlots; ++i) slots_[i] = std::move(slots_[i + 1]);
    slots_[kSlots - 1].clear();
}

int MessageQueue::size() const {
    int n = 0;
    while (n < kSlots && !slots_[n].empty()) ++n;
    return n;
}

int32_t scriptNumber(const std::string& rest) {
    int32_t n = 0;
    return parseInt32(rest, n) ? n : 0;
}

}  // namespace minamori
