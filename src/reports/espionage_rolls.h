// The two chance steps of espionage: a draw changes drawCounter, a roll only reads it.
#pragma once

#include "game.h"
#include "state/campaign_state.h"
#include "state/random.h"

namespace vaskorath {

// drawCounter takes the next digit (rand() + drawCounter) mod 10.
inline void drawDigit(Game& game) { game.state.drawCounter = game.random.nextDigit(game.state.drawCounter); }

// True with a chance of `bound` in 10: the next digit is below `bound`; drawCounter stays.
inline bool rollUnder(Game& game, int bound) { return game.random.nextDigit(game.state.drawCounter) < bound; }

}  // namespace vaskorath
