#include "game/screenshot.h"

#include <cerrno>
#include <ctime>
#include <optional>
#include <string>

#include "core/file_io.h"
#include "core/screenshot_paths.h"
#include "game/caption.h"
#include "game/game.h"
#include "view/png_file.h"

namespace minamori {

namespace {

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

// Writes the bytes beside the folder's free name and moves them there, so that
// a picture taken in the same second by another program is never replaced.
std::filesystem::path writeNew(const std::filesystem::path& folder, const std::string& bytes,
                               std::string& why) {
    const std::tm local = localNow();
    const std::filesystem::path partial = folder / ".minamori-screenshot.partial";
    why = writeFileAtomically(partial, bytes);
    if (!why.empty()) return {};
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::filesystem::path path = freeScreenshotPath(folder, local);
        if (path.empty()) break;
        if (renameNoReplace(partial, path)) return path;
        if (errno != EEXIST) break;
    }
    std::error_code ec;
    std::filesystem::remove(partial, ec);
    why = "cannot write into " + folder.string();
    return {};
}

}  // namespace

std::filesystem::path takeScreenshot(Game& game) {
    const std::filesystem::path folder = game.screenshotsDir();
    if (folder.empty()) {
        showNotice(game, "スクリーンショットの保存先がありません");
        return {};
    }
    const std::optional<std::string> bytes = encodePng(game.screen.cg);
    std::string why = bytes ? "" : "the picture could not be encoded";
    const std::filesystem::path path = bytes ? writeNew(folder, *bytes, why) : "";
    if (path.empty())
        showNotice(game, "スクリーンショットを保存できませんでした: " + why);
    else
        showNotice(game, "スクリーンショット: " + path.string());
    return path;
}

}  // namespace minamori
