// Elimination of players and rebels who no longer hold any planet or outpost.
#pragma once

#include "game.h"

namespace vaskorath {

// Announces and removes every player in play (in player order) and then the rebels when they
// own no location: the spies placed at them go back home, their record and their marches are
// emptied (the messages in reportText stay). A player with a march in a battle of this round that
// is not fought yet is passed over; a later check catches them. Run after every battle menu input.
void runEliminationCheck(Game& game);

}  // namespace vaskorath
