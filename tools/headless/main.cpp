// minamori-headless: plays the game from commands on standard input, one per
// line, answering each with one line on standard output.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include "core/text_util.h"
#include "driver.h"
#include "platform/ttf_fonts.h"

namespace {

std::filesystem::path executableFolder() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : self.parent_path();
}

int usage() {
    std::cerr << "usage: minamori-headless [--data DIR] [--config DIR] [--seed N] [--box-fonts]\n"
                 "  --config DIR  where settings.ini is kept (default: the data folder's config/)\n"
                 "  --box-fonts   measure text with fixed metrics and draw none, whatever fonts\n"
                 "                are installed (without it, no Japanese font is an error)\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path dataDir = executableFolder();
    uint64_t seed = static_cast<uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count());
    bool boxFonts = false;
    std::filesystem::path configDir;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--data" && i + 1 < argc) {
            dataDir = argv[++i];
        } else if (arg == "--config" && i + 1 < argc) {
            configDir = argv[++i];
        } else if (arg == "--box-fonts") {
            boxFonts = true;
        } else if (arg == "--seed" && i + 1 < argc) {
            const std::string text = argv[++i];
            try {
                std::size_t used = 0;
                seed = std::stoull(text, &used);
                if (used != text.size()) return usage();
            } catch (const std::exception&) {
                return usage();
            }
        } else {
            return usage();
        }
    }

    // Shots with boxes for text would pass for the game's own: fixed metrics only on request.
    std::unique_ptr<minamori::TtfFontEngine> fonts;
    if (!boxFonts) {
        std::string fontError;
        fonts = minamori::TtfFontEngine::create(fontError);
        if (!fonts) {
            std::cerr << "minamori-headless: " << fontError
                      << " Or run with --box-fonts: fixed metrics, no text drawn.\n";
            return 1;
        }
    }
    minamori::HeadlessDriver driver(dataDir, seed, fonts.get(), configDir);
    std::string line;
    while (!driver.finished() && std::getline(std::cin, line)) {
        std::cout << driver.execute(line) << '\n' << std::flush;
    }
    return 0;
}
