// Fuzz target: the save-file reader. Any bytes are read as dat/my.dat. The game
// read from them must save, load back into another game with the same records
// and save the same bytes again; the frame's clamp then brings every clamped
// figure into its range.
//
// The load touches nothing but the two saved records, so one game serves every
// input, its records set back to a new game's before each (a new game costs
// more than the load itself).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/name_tables.h"
#include "core/save_file.h"
#include "core/state.h"
#include "game/game.h"
#include "invariants.h"

using namespace minamori;

namespace {

[[noreturn]] void broken(const std::string& why) {
    std::fprintf(stderr, "fuzz-save-file: %s\n", why.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Game game(std::filesystem::path("/nonexistent-minamori-fuzz"), 1);
    static soak::SaveRoundTrip saveRoundTrip;
    game.my = tmy{};
    game.countries = Countries{};
    game.titleStage = -2;

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    decodeSave(game, bytes, error);
    fillNameTables(game);

    const std::string roundTrip = saveRoundTrip.check(game);
    if (!roundTrip.empty()) broken(roundTrip);

    game.titleStage = 0;
    normaliseState(game);
    // Nothing brings other figures (daysUsed, the level, ...) into range: the
    // load takes them as they are.
    for (const std::string& fault : soak::checkClampedFigures(game)) broken(fault);
    return 0;
}
