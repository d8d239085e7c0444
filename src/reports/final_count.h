// The final count after the end screen: what every faction holds, for the group's victory points.
#pragma once

#include "game.h"

namespace vaskorath {

// Writes one chronicle line per faction in play, then shows "Schlussstand der Kampagne" with a
// block per faction (players in player order, the rebels last): main planets, outposts, the
// fortification levels added up, the units stationed and on the march, the credits of a player.
// Ends with a pause. Nothing is secret any more at the end; the state is only read.
void showFinalCount(Game& game);

}  // namespace vaskorath
