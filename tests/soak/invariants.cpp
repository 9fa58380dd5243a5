#include "invariants.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/cp932.h"
#include "core/save_file.h"
#include "game/game.h"
#include "view/colours.h"

namespace soak {

using namespace minamori;

namespace {

void within(std::vector<std::string>& faults, const std::string& what, int64_t value, int64_t low,
            int64_t high) {
    if (value < low || value > high)
        faults.push_back(what + " is " + std::to_string(value) + ", outside " +
                         std::to_string(low) + ".." + std::to_string(high));
}

constexpr int64_t kNoLimit = INT32_MAX;

void checkFigures(const Game& game, std::vector<std::string>& faults) {
    const tmy& m = game.my;
    within(faults, "money", m.money, 0, 999999999);
    within(faults, "danger", m.danger, 0, 120);
    within(faults, "charisma", m.charisma, 0, kNoLimit);
    within(faults, "lifespan", m.lifespan, 0, kNoLimit);
    // A maximum below 0 leaves no room: hp then reads 0.
    within(faults, "hp", m.hp, 0, std::max(m.maxHp, 0));
    const tenemy& enemy = game.battle.enemy;
    within(faults, "the enemy's hp", enemy.hp, 0, std::max(enemy.maxHp, 0));
    for (int c = 0; c < kCountries; ++c) {
        const tcountry& country = game.countries[static_cast<size_t>(c)];
        const std::string name = "country " + std::to_string(c) + " ";
        within(faults, name + "opinion", country.opinion, 0, 100);
        within(faults, name + "gdp", country.gdp, 0, kNoLimit);
        within(faults, name + "military", country.military, 0, kNoLimit);
        within(faults, name + "growth", country.growth, -60, 60);
    }
}

void checkQueue(const Game& game, std::vector<std::string>& faults) {
    int firstFree = -1;
    for (int i = 0; i < MessageQueue::kSlots; ++i) {
        const bool used = !game.queue.slot(i).empty();
        if (!used && firstFree < 0) firstFree = i;
        if (used && firstFree >= 0) {
            faults.push_back("queue slot " + std::to_string(i) +
                             " holds a line after the free slot " + std::to_string(firstFree));
            return;
        }
    }
}

void checkLog(const Game& game, std::vector<std::string>& faults) {
    static_assert(MessageLog::kEntries == 21, "the log keeps 21 entries");
    for (int i = 0; i < MessageLog::kEntries; ++i) {
        const tmoji_efe& e = game.log.entry(i);
        const bool known =
            e.code == kColourEmpty || e.code == kColourNone || !colourName(e.code).empty();
        if (!known)
            faults.push_back("log entry " + std::to_string(i) + " has the colour code " +
                             std::to_string(e.code));
    }
}

void checkRows(const Game& game, std::vector<std::string>& faults) {
    const int32_t page = game.menu.currentPage;
    for (int i = 0; i < kMenuRows; ++i) {
        const tmenu& row = game.menuTable[static_cast<size_t>(i)];
        if (row.shown == 0) continue;
        const std::string name = "shown row " + std::to_string(i);
        if (row.shown != 1) faults.push_back(name + " has shown = " + std::to_string(row.shown));
        if (i == 0) faults.push_back("row 0, which is no command, is shown");
        if (row.caption.empty()) faults.push_back(name + " has no caption");
        if (row.page != page)
            faults.push_back(name + " belongs to page " + std::to_string(row.page) +
                             ", not to the current page " + std::to_string(page));
        if (row.width <= 0 || row.height <= 0) faults.push_back(name + " has no size");
    }
}

}  // namespace

std::vector<std::string> checkClampedFigures(const Game& game) {
    std::vector<std::string> faults;
    checkFigures(game, faults);
    return faults;
}

std::vector<std::string> checkFrame(const Game& game) {
    std::vector<std::string> faults;
    within(faults, "daysUsed", game.my.daysUsed, 0, 365);
    // Figures loaded from a save are clamped by the first frame of play.
    if (game.titleStage >= 0) checkFigures(game, faults);
    checkQueue(game, faults);
    checkLog(game, faults);
    checkRows(game, faults);
    return faults;
}

std::string compareSavedRecords(tmy& expected, Countries& expectedCountries, tmy& actual,
                                Countries& actualCountries) {
    bool countriesEqual = true;
    for (int c = 0; c < kCountries; ++c) {
        const tcountry& a = expectedCountries[static_cast<size_t>(c)];
        const tcountry& b = actualCountries[static_cast<size_t>(c)];
        if (a.military != b.military || a.gdp != b.gdp || a.growth != b.growth ||
            a.opinion != b.opinion)
            countriesEqual = false;
    }
    if (expected == actual && countriesEqual) return {};

    const std::vector<SaveLine> want = saveLayout(expected, expectedCountries);
    const std::vector<SaveLine> got = saveLayout(actual, actualCountries);
    for (std::size_t i = 0; i < want.size() && i < got.size(); ++i) {
        const std::string line = "line " + std::to_string(i + 1) + " of the save: ";
        if (want[i].number && *want[i].number != *got[i].number)
            return line + std::to_string(*want[i].number) + " became " +
                   std::to_string(*got[i].number);
        if (want[i].text && *want[i].text != *got[i].text)
            return line + "the title \"" + *want[i].text + "\" became \"" + *got[i].text + "\"";
    }
    return "the records differ in a field the save does not hold";
}

SaveRoundTrip::SaveRoundTrip() : loaded_(std::make_unique<Game>(std::filesystem::path(), 1)) {}
SaveRoundTrip::~SaveRoundTrip() = default;

std::string SaveRoundTrip::check(Game& game) {
    const std::string bytes = encodeSave(game);
    Game& loaded = *loaded_;
    // A field the load leaves out keeps the value of a new game's record.
    loaded.my = tmy{};
    loaded.countries = Countries{};
    for (const SaveLine& line : saveLayout(loaded.my, loaded.countries)) {
        if (line.number) *line.number = -123456789;
        if (line.text) *line.text = "(not loaded)";
    }
    std::string error;
    if (decodeSave(loaded, bytes, error) != LoadResult::kLoaded)
        return "the game's own save does not load: " + error;
    // The file holds text in CP932, a line per field: a title with a line break
    // or a character CP932 lacks comes back as the file holds it.
    expected_ = game.my;
    std::string title = expected_.titleText;
    for (char& ch : title)
        if (ch == '\r' || ch == '\n') ch = ' ';
    expected_.titleText = cp932ToUtf8(utf8ToCp932(title));
    const std::string difference =
        compareSavedRecords(expected_, game.countries, loaded.my, loaded.countries);
    if (!difference.empty()) return "saved and loaded back, " + difference;
    if (encodeSave(loaded) != bytes) return "the loaded game saves different bytes";
    return {};
}

}  // namespace soak
