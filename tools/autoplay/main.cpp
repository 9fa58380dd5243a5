// minamori-autoplay: plays whole games by the menus and reports how they end.
//
//   minamori-autoplay [--difficulty 0..3] [--seed N] [--games N] [--years N]
//                     [--data DIR] [--trace]
//
// Game i is played with seed N + i. Without --data the games are played in a
// fresh temporary folder, removed afterwards. HARD is offered on the title
// menu only after a NORMAL clear in the folder, EXTREAM only after a HARD
// clear; when the mode is locked, games of the difficulty below are played
// there first (seeds from 1000000 on) until one clears.
#include <sys/resource.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "autoplay.h"

namespace {

namespace ap = minamori::autoplay;

constexpr uint64_t kUnlockSeeds = 1000000;
constexpr int kUnlockTries = 200;

int usage() {
    std::cerr << "usage: minamori-autoplay [--difficulty 0..3] [--seed N] [--games N] "
                 "[--years N] [--data DIR] [--trace]\n";
    return 2;
}

bool parseNumber(const std::string& text, uint64_t& out) {
    try {
        std::size_t used = 0;
        out = std::stoull(text, &used);
        return used == text.size() && text[0] != '-';
    } catch (const std::exception&) {
        return false;
    }
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Plays games of the difficulty below in the folder until the mode is offered.
bool unlock(const std::filesystem::path& folder, int difficulty, int yearLimit) {
    if (ap::modeOffered(folder, difficulty)) return true;
    if (difficulty <= 1 || !unlock(folder, difficulty - 1, yearLimit)) return false;
    ap::PlayOptions options;
    options.difficulty = difficulty - 1;
    options.yearLimit = yearLimit;
    for (int i = 0; i < kUnlockTries; ++i) {
        const ap::GameResult r = ap::playGame(folder, kUnlockSeeds + i, options);
        std::cout << "# unlocking " << ap::difficultyName(difficulty) << ": "
                  << ap::resultLine(r) << "\n";
        if (ap::modeOffered(folder, difficulty)) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    uint64_t difficulty = 0, seed = 1, games = 1, years = 200;
    std::filesystem::path data;
    bool trace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--trace") {
            trace = true;
        } else if (arg == "--data" && hasValue) {
            data = argv[++i];
        } else if ((arg == "--difficulty" || arg == "--seed" || arg == "--games" ||
                    arg == "--years") &&
                   hasValue) {
            uint64_t& target = arg == "--difficulty" ? difficulty
                               : arg == "--seed"     ? seed
                               : arg == "--games"    ? games
                                                     : years;
            if (!parseNumber(argv[++i], target)) return usage();
        } else {
            return usage();
        }
    }
    if (difficulty > 3 || years < 1 || years > 100000) return usage();

    const bool temporary = data.empty();
    if (temporary) {
        std::string pattern = (std::filesystem::temp_directory_path() / "minamori-autoplay-XXXXXX");
        if (!mkdtemp(pattern.data())) {
            std::cerr << "minamori-autoplay: cannot make a temporary folder\n";
            return 1;
        }
        data = pattern;
    }

    int status = 0;
    try {
        std::filesystem::create_directories(data);
        ap::PlayOptions options;
        options.difficulty = static_cast<int>(difficulty);
        options.yearLimit = static_cast<int>(years);
        if (trace) options.trace = &std::cerr;
        if (!unlock(data, options.difficulty, options.yearLimit)) {
            std::cerr << "minamori-autoplay: " << ap::difficultyName(options.difficulty)
                      << " could not be unlocked in " << data << "\n";
            status = 1;
        } else {
            const double start = cpuSeconds();
            std::vector<ap::GameResult> results;
            for (uint64_t i = 0; i < games; ++i) {
                if (trace) std::cerr << "game seed " << seed + i << "\n";
                results.push_back(ap::playGame(data, seed + i, options));
                std::cout << ap::resultLine(results.back()) << std::endl;
            }
            std::cout << ap::summaryLine(results) << "\n";
            double frames = 0;
            for (const ap::GameResult& r : results) frames += r.frames;
            const double n = double(results.size());
            std::cout << "cpu " << (cpuSeconds() - start) / n << " s per game, "
                      << frames / n << " frames per game\n";
        }
    } catch (const std::exception& e) {
        std::cerr << "minamori-autoplay: " << e.what() << "\n";
        status = 1;
    }
    if (temporary) {
        std::error_code ec;
        std::filesystem::remove_all(data, ec);
    }
    return status;
}
