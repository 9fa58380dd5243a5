#include "battle/battle.h"

#include <algorithm>
#include <string>

#include "audio/sound.h"
#include "battle/battle_texts.h"
#include "battle/layer.h"
#include "core/name_tables.h"
#include "core/number_texts.h"
#include "core/saturate.h"
#include "core/state.h"
#include "menus/navigation.h"
#include "script/stats.h"
#include "view/log.h"
#include "view/pictures.h"

namespace minamori {

namespace {

using std::to_string;

constexpr int kPlayer = 0;
constexpr int kOpponent = 1;

bool owns(const BattleLayer& game, int row) {
    return game.my.useCount[static_cast<size_t>(row)] >= 1;
}

void addDays(BattleLayer& game, int32_t days) {
    game.my.daysUsed = saturate32(std::min<int64_t>(int64_t{game.my.daysUsed} + days, 365));
}

// The opponent grows with the player's level and the difficulty.
int32_t adjustedLevel(const BattleLayer& game, int32_t base) {
    const int64_t level = game.my.level;
    int64_t e = base;
    for (int gap : {4, 6, 8, 10})
        if (level - e >= gap) e += 1;
    const int32_t d = game.my.difficulty;
    if (d >= 1 && level >= 3) e += 1;
    if (d >= 2 && level >= 4) e += 1;
    if (d >= 3 && level >= 5) e += 1;
    return saturate32(e);
}

void opponentTurn(BattleLayer& game) {
    const tenemy& e = game.battle.enemy;
    addLogLine(game, e.name + "は殴りかかってきた", "gray");
    int64_t d = game.R(2) + int64_t{e.attack};
    if (game.my.level == 0 && d >= 2) d -= 1;
    const int32_t roll = game.R(20);
    if (roll == 0) {
        addGreyLine(game, "miss....");
        d = 0;
    } else if (roll == 1) {
        addGreyLine(game, "CRITICAL HIT!!");
        d = d + d / 2 + 1;
    }
    if (owns(game, kRowGuardAbility) && game.R(10) == 0) {
        addGreyLine(game, "ガードした!");
        d = d / 2;
    }
    if (owns(game, kRowEvadeAbility) && game.R(10) == 0) {
        addGreyLine(game, "回避した!");
        d = 0;
    }
    if (d >= 1) playSound(game, "damage2.wav");
    applyBattleDamage(game, kPlayer, saturate32(-d));
    if (game.my.hp > 0) {
        game.battle.battleState = 4;
    } else {
        playSound(game, "gameover.wav");
        addLogLine(game, "あなたは瀕死の状態になり、命辛々逃げ帰った....", "red");
        game.battle.battleState = 200;
    }
}

void queueStakes(BattleLayer& game) {
    const BattleStakes& s = game.battle.stakes;
    if (s.winDanger != 0) queueDanger(game, s.winDanger);
    if (s.winChinaMilitary != 0) queueMilitary(game, kChina, s.winChinaMilitary);
    if (s.winChinaOpinion != 0) queueOpinion(game, kChina, s.winChinaOpinion);
    if (s.winHomeOpinion != 0) queueOpinion(game, kJapan, s.winHomeOpinion);
    if (s.winUsOpinion != 0) queueOpinion(game, kUsa, s.winUsOpinion);
    if (s.winTaiwanOpinion != 0) queueOpinion(game, kTaiwan, s.winTaiwanOpinion);
}

void settleVictory(BattleLayer& game) {
    BattleStakes& s = game.battle.stakes;
    const tenemy& e = game.battle.enemy;
    playSound(game, "battle_clear.wav");
    addDays(game, 30);
    gainExp(game, saturate32(int64_t{e.level} + 1));
    changeMoney(game, saturate32(int64_t{e.level} + 1 + game.my.battleMoneyBonus));
    if (game.countries[kJapan].growth < 0) changeGrowth(game, kJapan, 1);
    queueStakes(game);
    if (s.winExam != 0) queueExamWon(game, s.winExam);
    s.winExam = 0;
    if (s.winElection != 0) queueElectionWon(game, s.winElection);
    s.winElection = 0;
    if (s.winConstitution != 0) queueConstitutionWon(game, s.winConstitution);
    s.winConstitution = 0;
    if (s.winTreatyEnd != 0) {
        playMusic(game, "not");
        queueTreatyEndWon(game);
    }
    s.winTreatyEnd = 0;
    s.originRow = 0;  // a won battle keeps the use of its row
    endBattle(game);
}

// A stat point lost with chance one in two.
void maybeLoseStat(BattleLayer& game, int32_t& stat, const char* message) {
    if (stat >= 1 && game.R(2) == 0) {
        addLogLine(game, message, "red");
        stat -= 1;
    }
}

void settleDefeat(BattleLayer& game) {
    tmy& m = game.my;
    m.hp = 1;
    addDays(game, 30);
    tcountry& home = game.countries[kJapan];
    if (home.growth >= -10) home.growth -= 1;
    m.danger = addSat(m.danger, 1);
    const int64_t loss = m.money / 10 + 1;
    m.money = addSat(m.money, -loss);
    normaliseState(game);  // nothing may show the money below 0, not even for a frame
    addLogLine(game, "予算が" + moneyText(loss) + "ロストした....", "pink2");
    switch (game.R(3)) {
        case 0: maybeLoseStat(game, m.vitality, "体力が 1減少してしまった...."); break;
        case 1: maybeLoseStat(game, m.intelligence, "知力が 1減少してしまった...."); break;
        default: maybeLoseStat(game, m.charisma, "ｶﾘｽﾏが 1減少してしまった...."); break;
    }
    endBattle(game);
}

}  // namespace

void startBattle(BattleLayer& game, int32_t n) {
    BattleRuntime& b = game.battle;
    b.battleReturnPage = game.menu.currentPage == kPageBattle ? kPageMain : game.menu.currentPage;
    b.battleState = 1;
    b.enemy = opponentEntry(n);
    tenemy& e = b.enemy;
    e.level = adjustedLevel(game, e.level);
    const tmy& m = game.my;
    // Two draws, in this order: C++ leaves the operands of + unordered.
    const int64_t luck = game.R(2);
    const int64_t growth = game.R(int64_t{m.level} + 1 + m.vitality / 2);
    const int64_t hp = luck + 2 * int64_t{e.level} + 1 + growth + m.vitality / 2;
    e.hp = e.maxHp = saturate32(hp);
    e.attack = addSat(e.level, 1);
    playSound(game, "enemy.wav");
    if (n == 77) {
        loadScenePicture(game, "usa.jpg");
        playMusic(game, "14.mid");
    } else {
        loadScenePicture(game, "battle.jpg");
    }
    addGreyLine(game, "!?.... " + e.name + "があなたに襲い掛かってきた!!");
    if (owns(game, kRowRegenAbility)) game.my.hp = addSat(game.my.hp, game.my.maxHp / 10);
    openMenuPage(game, kPageBattle);
    playSound(game, "turn.wav");
}

void playerAttack(BattleLayer& game) {
    closeMenu(game);
    addGreyLine(game, "攻撃した!!");
    const tmy& m = game.my;
    int64_t d = game.R(2) + int64_t{m.vitality} + 1;
    const int32_t roll = game.R(20);
    if (roll == 0) {
        addGreyLine(game, "miss....");
        d = 0;
    } else if (roll == 1) {
        addGreyLine(game, "CRITICAL HIT!!");
        d = game.R(2) + 2 * (int64_t{m.vitality} + 1);
    } else if (roll == 2 && m.level >= 10) {
        addGreyLine(game, game.battle.enemy.name + "は攻撃をガードした");
        d = d / 2;
    } else if (roll == 3 && owns(game, kRowSmashAbility)) {
        addGreyLine(game, "SMASH HIT!!");
        d = d + d / 2;
    }
    if (d >= 1) playSound(game, "damage.wav");
    applyBattleDamage(game, kOpponent, saturate32(-d));
    game.battle.battleState = 2;
}

void attemptEscape(BattleLayer& game) {
    closeMenu(game);
    addGreyLine(game, "逃亡をはかった....");
    if (game.R(2) == 0) {
        addLogLine(game, "逃亡成功", "aqua");
        playSound(game, "nigeru.wav");
        endBattle(game);
    } else {
        addLogLine(game, "逃亡に失敗....", "pink2");
        game.battle.battleState = 2;
    }
}

void battleStep(BattleLayer& game) {
    BattleRuntime& b = game.battle;
    switch (b.battleState) {
        case 2:
            if (b.enemy.hp > 0) {
                playSound(game, "turn.wav");
                addLogLine(game, b.enemy.name + "のターン", "gray");
                b.battleState = 3;
            } else {
                playSound(game, "death.wav");
                addLogLine(game, b.enemy.name + "を倒した!!", "aqua");
                b.battleState = 100;
            }
            break;
        case 3:
            opponentTurn(game);
            break;
        case 4:
            playSound(game, "turn2.wav");
            addLogLine(game, "あなたのターン", "gray");
            openMenuPage(game, kPageBattle);
            b.battleState = 1;
            break;
        case 100:
            settleVictory(game);
            break;
        case 200:
            settleDefeat(game);
            break;
        default:
            break;
    }
}

void applyBattleDamage(BattleLayer& game, int target, int32_t amount) {
    if (amount == 0) {
        addLogLine(game, "0ダメージ", "gray");
        return;
    }
    const std::string size = to_string(absWide(amount));
    if (target == kOpponent) {
        tenemy& e = game.battle.enemy;
        e.hp = addSat(e.hp, amount);
        if (amount < 0)
            addLogLine(game, e.name + "に " + size + "ダメージ!!", "red3");
        else
            addLogLine(game, e.name + "はHPが " + size + "回復した", "aqua");
    } else {
        game.my.hp = addSat(game.my.hp, amount);
        if (amount < 0)
            addLogLine(game, "あなたは " + size + "ダメージくらった!!", "red3");
        else
            addLogLine(game, "あなたはHPが " + size + "回復した", "aqua");
    }
    normaliseState(game);
}

void endBattle(BattleLayer& game) {
    BattleRuntime& b = game.battle;
    loadScenePicture(game, "1.jpg");
    b.battleState = 0;
    if (inRange(b.stakes.originRow, kMenuRowSlots) && b.stakes.originRow >= 1)
        game.my.useCount[static_cast<size_t>(b.stakes.originRow)] = 0;
    if (b.stakes.winTreatyEnd != 0) playMusic(game, "not");
    b.stakes = BattleStakes{};
    openMenuPage(game, b.battleReturnPage);
}

}  // namespace minamori
