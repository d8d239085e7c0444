// Attack, march and reconnaissance orders.
#pragma once

#include "game.h"

namespace vaskorath {

// Lets the player send units from an own location to attack, march or reconnoitre (main menu entry 6).
// At most one order per call; refused at once when all of the player's march records are in use.
void runOrderDialogue(Game& game, int player);

// Rounds a march between two four-digit map coordinates takes: half the larger of the two
// coordinate distances, rounded up, and at least 1 so that an order always arrives.
int marchDuration(int fromCoordinates, int toCoordinates);

}  // namespace vaskorath
