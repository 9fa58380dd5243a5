#include "view/pictures.h"

#include <algorithm>
#include <cctype>

#include "core/file_io.h"
#include "view/layer.h"
#include "view/picture_files.h"
#include "view/screen.h"

namespace minamori {

std::optional<Canvas> loadPictureFile(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool bmp = extension == ".bmp";
    const bool jpeg = extension == ".jpg" || extension == ".jpeg";
    if (!bmp && !jpeg) return std::nullopt;
    std::string bytes, error;
    if (readWholeFile(path, bytes, error) != ReadResult::kRead) return std::nullopt;
    return bmp ? decodeBmp(bytes) : decodeJpeg(bytes);
}

void loadScenePicture(ViewLayer& game, const std::string& fileName) {
    if (!isPlainFileName(fileName)) return;
    std::optional<Canvas> picture = loadPictureFile(game.cgPath(fileName));
    if (!picture) return;
    // Drawn unscaled: a smaller picture leaves the rest of the old one in place.
    game.screen.cgPicture.copyFrom(*picture, 0, 0);
    game.sceneName = fileName;
    rebuildBackground(game);
}

}  // namespace minamori
