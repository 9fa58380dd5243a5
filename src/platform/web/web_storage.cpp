#include "platform/web/web_storage.h"

#include <emscripten.h>

#include "core/file_io.h"

namespace minamori {

namespace {
EM_JS(void, jsCopyOut, (), { Module.minamoriStorage.copyOut(); });
}

void WebStorage::persistIfChanged(double nowMs) {
    nowMs_ = nowMs;
    if (inFlight_) return;
    const bool retryDue = retry_ && nowMs - failedAtMs_ >= kRetryMs;
    if (filesChanged() != copiedCount_ || retryDue) persistNow();
}

void WebStorage::persistNow() {
    inFlight_ = true;
    retry_ = false;
    copiedCount_ = filesChanged();
    jsCopyOut();
}

void WebStorage::copied(bool ok, const std::string& why) {
    inFlight_ = false;
    if (ok) {
        failure_.clear();
        return;
    }
    failure_ = why.empty() ? "unknown error" : why;
    retry_ = true;
    failedAtMs_ = nowMs_;
}

std::string storageFailureMessage(const std::string& why) {
    return "ブラウザにセーブできませんでした（" + why +
           "）。空き容量を確かめてください。ゲームはこのまま続けられます。";
}

}  // namespace minamori
