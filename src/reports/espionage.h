// Espionage resolution, once per round calculation.
#pragma once

#include "game.h"

namespace vaskorath {

// Lets the agents fight each other and find out enemy troops, production and marches.
void resolveEspionage(Game& game);

}  // namespace vaskorath
