// The page's saves: /save is the browser's persistent storage (IndexedDB,
// through Emscripten's IDBFS), read before the game starts (page.js) and copied
// out after every change the game makes to its files.
#pragma once

#include <cstdint>
#include <string>

namespace minamori {

class WebStorage {
public:
    // Copies /save out when the game changed a file since the last copy; one
    // copy at a time, the next one once it is done. A failed copy is tried
    // again a few seconds later: the player may have made room meanwhile.
    void persistIfChanged(double nowMs);
    // The browser's answer to a copy: the error text when it failed.
    void copied(bool ok, const std::string& why);
    // Why the last copy failed; empty while the saves are safe.
    const std::string& failure() const { return failure_; }

private:
    static constexpr double kRetryMs = 5000;

    void persistNow();

    uint64_t copiedCount_ = 0;  // filesChanged() when the copy in flight began
    bool inFlight_ = false;
    bool retry_ = false;
    double failedAtMs_ = 0;
    double nowMs_ = 0;
    std::string failure_;
};

// The message a failed copy shows the player.
std::string storageFailureMessage(const std::string& why);

}  // namespace minamori
