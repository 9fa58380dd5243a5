// Opponents, items and the state of the battle being fought.
#pragma once

#include <cstdint>
#include <string>

namespace minamori {

constexpr int kOpponentSlots = 100;
constexpr int kItemKinds = 2002;

// One opponent. hp, maxHp and attack are set for the current opponent when a battle starts.
struct tenemy {
    std::string name;
    int32_t story = 0;  // 1: only commands start it, random encounters never draw it
    int32_t hp = 0;
    int32_t maxHp = 0;
    int32_t attack = 0;
    int32_t level = 0;
};

// One kind of item.
struct titem {
    std::string name;
    int32_t unique = 0;  // 1: a player holds at most one
};

// What a queued battle grants on victory; 0 means nothing. Cleared after every battle.
struct BattleStakes {
    int32_t originRow = 0;  // its use count is reset when the battle is lost
    int32_t winHomeOpinion = 0;
    int32_t winChinaOpinion = 0;
    int32_t winTaiwanOpinion = 0;
    int32_t winUsOpinion = 0;
    int32_t winChinaMilitary = 0;
    int32_t winDanger = 0;
    int32_t winElection = 0;      // 1 town, 2 prefecture, 3 national diet, 4 party leader
    int32_t winExam = 0;          // 1..3 war-history exams, 4 the intelligence agency
    int32_t winConstitution = 0;  // 1..5
    int32_t winTreatyEnd = 0;
};

// The battle being fought.
struct BattleRuntime {
    // 0 none; 1 waiting for the player's command; 2 the player has acted; 3 the
    // opponent's turn; 4 back to the player; 100 victory and 200 defeat, to be settled.
    int32_t battleState = 0;
    int32_t battleReturnPage = 0;
    tenemy enemy;
    BattleStakes stakes;
};

}  // namespace minamori
