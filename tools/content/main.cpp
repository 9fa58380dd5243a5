// minamori-content OUTDIR [NAME...]: makes every picture into OUTDIR/cg, every
// sound and piece of music into OUTDIR/dat, and the program's icon into
// OUTDIR/icons/hicolor/<size>/apps/minamori.png. Names, when given, limit the run to
// those files (handy while tuning one picture).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <set>
#include <string>

#include "icon.hpp"
#include "music.hpp"
#include "pictures.hpp"
#include "sounds.hpp"
#include "text.hpp"

namespace {

std::set<std::string> g_only;

bool wanted(const std::string& file) { return g_only.empty() || g_only.count(file) > 0; }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR [FILE...]\n", argv[0]);
        return 2;
    }
    for (int i = 2; i < argc; ++i) g_only.insert(argv[i]);
    try {
        const std::filesystem::path out(argv[1]);
        std::filesystem::create_directories(out / "cg");
        std::filesystem::create_directories(out / "dat");
        content::writePictures(out / "cg", wanted);
        content::writeSounds(out / "dat", wanted);
        content::writeMusic(out / "dat", wanted);
        content::writeIcons(out / "icons", wanted);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "minamori-content: %s\n", e.what());
        content::closeFonts();
        return 1;
    }
    content::closeFonts();
    return 0;
}
