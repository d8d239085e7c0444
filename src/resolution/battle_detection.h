// Battle detection: finds the marches that reach a foreign location in this round.
#pragma once

#include "game.h"

namespace vaskorath {

// Registers one battle per attacked location in eventslist and sets kampfz.
void detectBattles(Game& game);

}  // namespace vaskorath
