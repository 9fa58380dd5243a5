#include "pictures.hpp"

#include "picture_files.hpp"

namespace content {

const std::vector<PictureEntry>& pictureTable() {
    static const std::vector<PictureEntry> table = {
        {"title.bmp", makeTitle},       {"0.jpg", makeDawn},        {"2.jpg", makeMenuBack},
        {"1.jpg", makeDay},             {"night.jpg", makeNight},   {"battle.jpg", makeBattle},
        {"usa.jpg", makeColdBattle},    {"gameover.jpg", makeGameOver}, {"money.bmp", makeMoney},
    };
    return table;
}

void writePictures(const std::filesystem::path& dir, bool (*wanted)(const std::string&)) {
    for (const PictureEntry& e : pictureTable()) {
        if (!wanted(e.file)) continue;
        const Image img = e.make();
        if (e.file.ends_with(".bmp"))
            writeBmp(dir / e.file, img, img.width() > 64);  // no dithering on the keyed icon
        else
            writeJpeg(dir / e.file, img, 88);
    }
}

}  // namespace content
