#include <string>

#include "script/layer.h"
#include "script/stats.h"

namespace minamori {

namespace {

// The keyword of a country-figure line for countries 0..3, or null for others.
const char* countryKeyword(int32_t c, const char* const (&keywords)[4]) {
    return inRange(c, kCountriesInPlay) ? keywords[c] : nullptr;
}

void queueCountryLine(ScriptLayer& game, int32_t c, int32_t n, const char* const (&keywords)[4]) {
    if (const char* keyword = countryKeyword(c, keywords))
        game.queue.pushLine(keyword + std::to_string(n));
}

}  // namespace

void queueExp(ScriptLayer& game, int32_t n) { game.queue.pushLine("exp" + std::to_string(n)); }
void queueIntelligenceExp(ScriptLayer& game, int32_t n) {
    game.queue.pushLine("intexp" + std::to_string(n));
}
void queueVitalityExp(ScriptLayer& game, int32_t n) {
    game.queue.pushLine("vitexp" + std::to_string(n));
}
void queueCharismaExp(ScriptLayer& game, int32_t n) {
    game.queue.pushLine("tokuexp" + std::to_string(n));
}

void queueOpinion(ScriptLayer& game, int32_t c, int32_t n) {
    static const char* const kKeywords[4] = {"yoron", "china_yoron", "taiwan_yoron", "usa_yoron"};
    queueCountryLine(game, c, n, kKeywords);
}

void queueMilitary(ScriptLayer& game, int32_t c, int32_t n) {
    static const char* const kKeywords[4] = {"miri", "china_miri", "taiwan_miri", "usa_miri"};
    queueCountryLine(game, c, n, kKeywords);
}

void queueGrowth(ScriptLayer& game, int32_t c, int32_t n) {
    static const char* const kKeywords[4] = {"gdpup", "china_gdpup", "taiwan_gdpup", "usa_gdpup"};
    queueCountryLine(game, c, n, kKeywords);
}

void queueDanger(ScriptLayer& game, int32_t n) {
    game.queue.pushLine("danger" + std::to_string(n));
}
void queueItem(ScriptLayer& game, int32_t item) {
    game.queue.pushLine("item" + std::to_string(item));
}

}  // namespace minamori
