// Rebel production, once per round before the players' turns.
#pragma once

#include "game.h"

namespace vaskorath {

// Delivers due rebel units and starts new production at small rebel garrisons.
void runRebelProduction(Game& game);

}  // namespace vaskorath
