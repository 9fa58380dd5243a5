// The functions that make each sound effect, grouped by where the game uses them.
#pragma once

#include "synth.hpp"

namespace content {

// Interface and money (sounds_ui.cpp).
Samples soundClick();
Samples soundText();
Samples soundUp();
Samples soundUpLong();
Samples soundDown();
Samples soundDownLong();
Samples soundClack();
Samples soundCoin();
Samples soundCoinCascade();
Samples soundSparkle();

// Battle (sounds_battle.cpp).
Samples soundDamage();
Samples soundDamageHeavy();
Samples soundDeath();
Samples soundEnemy();
Samples soundEscape();
Samples soundTurn();
Samples soundTurnAlt();
Samples soundTaiko();
Samples soundVictory();
Samples soundDefeat();

// Jingles and fanfares (sounds_jingles.cpp).
Samples soundLevelUp();
Samples soundLevelUpAlt();
Samples soundStatUp();
Samples soundItem();
Samples soundHome();
Samples soundStart();
Samples soundStartAlt();
Samples soundFameUp();
Samples soundFameDown();
Samples soundGameOver();
Samples soundRebirth();
Samples soundDream();

// Surroundings and alarms (sounds_ambient.cpp).
Samples soundAlertBell();
Samples soundBirds();
Samples soundNight();
Samples soundDisaster();

}  // namespace content
