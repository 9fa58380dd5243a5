#include "sounds.hpp"

#include <utility>
#include <vector>

#include "sound_makers.hpp"
#include "wav_writer.hpp"

namespace content {

namespace {

const std::vector<std::pair<const char*, Samples (*)()>>& soundTable() {
    static const std::vector<std::pair<const char*, Samples (*)()>> table = {
        {"1.wav", soundClick},           {"moji.wav", soundText},
        {"up.wav", soundUp},             {"up2.wav", soundUpLong},
        {"down.wav", soundDown},         {"down2.wav", soundDownLong},
        {"katan.wav", soundClack},       {"coin.wav", soundCoin},
        {"coin_many_in.wav", soundCoinCascade}, {"exp.wav", soundSparkle},
        {"damage.wav", soundDamage},     {"damage2.wav", soundDamageHeavy},
        {"death.wav", soundDeath},       {"enemy.wav", soundEnemy},
        {"nigeru.wav", soundEscape},     {"turn.wav", soundTurn},
        {"turn2.wav", soundTurnAlt},     {"taiiko.wav", soundTaiko},
        {"battle_clear.wav", soundVictory}, {"battle_lose.wav", soundDefeat},
        {"lvup.wav", soundLevelUp},      {"lvup2.wav", soundLevelUpAlt},
        {"lvcap.wav", soundStatUp},      {"item_get.wav", soundItem},
        {"home.wav", soundHome},         {"start.wav", soundStart},
        {"start2.wav", soundStartAlt},   {"meisei.wav", soundFameUp},
        {"meisei_down.wav", soundFameDown}, {"gameover.wav", soundGameOver},
        {"rebirth.wav", soundRebirth},   {"dream.wav", soundDream},
        {"bel.wav", soundAlertBell},     {"bird.wav", soundBirds},
        {"night.wav", soundNight},       {"saigai.wav", soundDisaster},
    };
    return table;
}

}  // namespace

void writeSounds(const std::filesystem::path& dir, bool (*wanted)(const std::string&)) {
    for (const auto& [file, make] : soundTable()) {
        if (!wanted(file)) continue;
        Samples s = make();
        finish(s);
        writeWav(dir / file, s);
    }
}

}  // namespace content
