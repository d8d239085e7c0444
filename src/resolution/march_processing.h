// Arrivals of marches and mercenaries in the round calculation.
#pragma once

#include "game.h"

namespace vaskorath {

// Puts hired mercenaries that are due on their player's home planet.
void deliverMercenaries(Game& game);

// Lets marches that reach an own location in this round join its garrison.
void processArrivals(Game& game);

}  // namespace vaskorath
