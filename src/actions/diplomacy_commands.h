// The commands of the diplomacy and military pages as data. Each shows a line
// at once, queues the lines the player reads one click at a time, may start a
// battle with what its victory wins, and may end with a step of its own for the
// few commands whose outcome is drawn or depends on the balance of forces.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/battle_records.h"
#include "core/records.h"

namespace minamori {

struct ActionLayer;

namespace affairs {

// One entry of a command, carried out in order. Most are queued script lines;
// the "Now" kinds apply at once.
enum class Do : uint8_t {
    kNothing,     // an unused place in a command's list
    kExp,         // queued experience of the four kinds
    kIntExp,
    kVitExp,
    kTokuExp,
    kOpinion,     // queued change of a country's opinion, military or growth
    kMilitary,
    kGrowth,
    kDanger,      // queued change of the danger figure
    kSay,         // a queued line: a message or a script command
    kBattle,      // a queued battle against opponent `amount`, with the command's stakes
    kVitExpNow,   // vitality experience at once
    kTokuExpNow,  // charisma experience at once
    kOpinionNow,  // opinion of a country at once
};

struct Step {
    Do what = Do::kNothing;
    int32_t amount = 0;
    int32_t country = kJapan;
    const char* text = nullptr;
    int32_t chance = 0;  // if not 0: only when R(chance) is 0
};

constexpr Step xp(int32_t n) { return {Do::kExp, n}; }
constexpr Step intXp(int32_t n) { return {Do::kIntExp, n}; }
constexpr Step vitXp(int32_t n) { return {Do::kVitExp, n}; }
constexpr Step tokuXp(int32_t n) { return {Do::kTokuExp, n}; }
constexpr Step opinion(int32_t n, int32_t country = kJapan) { return {Do::kOpinion, n, country}; }
constexpr Step military(int32_t n, int32_t country = kJapan) { return {Do::kMilitary, n, country}; }
constexpr Step growth(int32_t n, int32_t country = kJapan) { return {Do::kGrowth, n, country}; }
constexpr Step danger(int32_t n) { return {Do::kDanger, n}; }
constexpr Step say(const char* text) { return {Do::kSay, 0, kJapan, text}; }
constexpr Step battle(int32_t opponent) { return {Do::kBattle, opponent}; }
constexpr Step vitXpNow(int32_t n) { return {Do::kVitExpNow, n}; }
constexpr Step tokuXpNow(int32_t n) { return {Do::kTokuExpNow, n}; }
constexpr Step opinionNow(int32_t n, int32_t country) { return {Do::kOpinionNow, n, country}; }
constexpr Step oneIn(int32_t chance, Step step) {
    step.chance = chance;
    return step;
}

struct Command;

// The step of its own that a command takes after its list; row is the menu row chosen.
using Finish = void (*)(ActionLayer& game, const Command& command, int32_t row);

struct Command {
    int32_t slot = 0;
    const char* feedback = nullptr;  // shown at once in silver; null: no line
    const char* alsoNow = nullptr;   // shown at once right after it; null: none
    std::array<Step, 8> steps{};
    BattleStakes stakes{};      // what a victory in the command's battle wins
    bool recordOrigin = false;  // a battle lost or fled gives the row back
    Finish finish = nullptr;
};

// Whether no two commands of a page share a slot, so that a slot finds one command.
constexpr bool slotsUnique(std::span<const Command> commands) {
    for (std::size_t i = 0; i < commands.size(); ++i)
        for (std::size_t j = i + 1; j < commands.size(); ++j)
            if (commands[i].slot == commands[j].slot) return false;
    return true;
}

// The command of a page with the given slot, or null when the page has none.
const Command* findCommand(std::span<const Command> commands, int32_t slot);

// Shows the command's lines, carries out its entries in order, then its own step.
void runCommand(ActionLayer& game, const Command& command, int32_t row);

// Queues a battle against opponent with the command's stakes.
void queueCommandBattle(ActionLayer& game, const Command& command, int32_t opponent, int32_t row);

// Lines of these pages told in our own words (diplomacy_texts.cpp).
extern const char kFirstStatementWithdrawn[];
extern const char kSecondStatementWithdrawn[];
extern const char kTaiwanVisit[];
extern const char kTurkeyLesson[];
extern const char kMalaysiaLesson[];
extern const char kIslandDefence[];
extern const char kIntelligenceStudy[];
// Told after relations with Taiwan are restored.
const std::array<const char*, 6>& taiwanTiesNarrative();

}  // namespace affairs

}  // namespace minamori
