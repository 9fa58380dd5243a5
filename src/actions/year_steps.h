// The parts of the yearly world update that draw the year's news, kept apart
// from the calendar and the economy. Only the change of year uses it.
#pragma once

#include <cstdint>

#include "actions/year_texts.h"

namespace minamori {

struct ActionLayer;

namespace yearstep {

// Queues the lines of an event; the lines marked whenMoodLow only while the
// home country's opinion is below 50.
void queueEvent(ActionLayer& game, const yeartext::Event& event);

// One 1-in-2 draw for each of the difficulty thresholds NORMAL, HARD and
// EXTREAM that the game's difficulty reaches, in that order; returns how many
// came up. A difficulty above EXTREAM counts as EXTREAM, one below EASY as EASY.
int32_t difficultyExtra(ActionLayer& game);

// The news of the United States, China and Taiwan: each draws once a year and
// advances its country's fixed sequence while that country's opinion is low.
void rollUsNews(ActionLayer& game);
void rollChinaNews(ActionLayer& game);
void rollTaiwanNews(ActionLayer& game);

// A weak economy may bring bad news.
void rollEconomyNews(ActionLayer& game);

// The military balance against China, weak and strong, each tested on its own.
void rollMilitaryBalance(ActionLayer& game);

// At most one overheating line for a large economy growing fast.
void rollOverheating(ActionLayer& game);

// One island incident in four years on average, graver with higher danger;
// a draw of 90 or more is the invasion that ends the game.
void rollIslandIncident(ActionLayer& game);

}  // namespace yearstep
}  // namespace minamori
