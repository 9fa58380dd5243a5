#include "state_hash.h"

#include <cstdio>
#include <initializer_list>

#include "core/save_file.h"
#include "game/game.h"

namespace minamori {

namespace {

// FNV-1a, 64 bits: small, fixed, the same on every machine and compiler.
class Fnv {
public:
    void bytes(const std::string& text) {
        for (const char c : text) byte(static_cast<unsigned char>(c));
        byte(0);  // so that "ab" + "c" differs from "a" + "bc"
    }
    void numbers(std::initializer_list<int64_t> values) {
        for (int64_t v : values)
            for (int i = 0; i < 8; ++i) byte(static_cast<unsigned char>(static_cast<uint64_t>(v) >> (8 * i)));
    }
    uint64_t value() const { return hash_; }

private:
    void byte(unsigned char b) {
        hash_ ^= b;
        hash_ *= 0x100000001b3ULL;
    }
    uint64_t hash_ = 0xcbf29ce484222325ULL;
};

void addMenu(Fnv& h, const Game& g) {
    h.numbers({g.menu.currentPage, g.menu.backPage, g.menu.hoveredRow});
    for (int i = 0; i < kMenuRows; ++i) {
        const tmenu& row = g.menuTable[static_cast<size_t>(i)];
        if (row.shown != 1) continue;
        h.numbers({i, row.enabled, row.curX, row.curY, row.targetX, row.targetY});
        h.bytes(row.caption);
    }
}

void addBattle(Fnv& h, const Game& g) {
    const BattleRuntime& b = g.battle;
    const tenemy& e = b.enemy;
    const BattleStakes& s = b.stakes;
    h.numbers({b.battleState, b.battleReturnPage, e.story, e.hp, e.maxHp, e.attack, e.level});
    h.bytes(e.name);
    h.numbers({s.originRow, s.winHomeOpinion, s.winChinaOpinion, s.winTaiwanOpinion,
               s.winUsOpinion, s.winChinaMilitary, s.winDanger, s.winElection, s.winExam,
               s.winConstitution, s.winTreatyEnd});
}

}  // namespace

uint64_t stateHash(Game& g) {
    Fnv h;
    h.bytes(encodeSave(g));
    for (int i = 0; i < MessageQueue::kSlots; ++i) h.bytes(g.queue.slot(i));
    for (int i = 0; i < MessageLog::kEntries; ++i) {
        h.bytes(g.log.entry(i).text);
        h.numbers({g.log.entry(i).code});
    }
    addMenu(h, g);
    addBattle(h, g);
    h.numbers({g.titleStage, g.inGame, g.mouseX, g.mouseY, g.clickPending, g.animFrame,
               g.frameInterval, g.closing ? 1 : 0});
    h.bytes(g.sceneName);
    h.numbers({static_cast<int64_t>(g.rng.fingerprint())});
    return h.value();
}

std::string hashText(uint64_t hash) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

}  // namespace minamori
