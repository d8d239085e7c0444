// calculateRound: the round start and, from round 2 on, the calculation phase of a round.
#pragma once

#include "game.h"

namespace vaskorath {

// Resets the rebels' home service and the battle records; from round 2 to the round before
// endrunde (or when a load was requested) shows the end-of-round screen and runs the phases:
// agent drift, mercenary delivery, marches, battle detection, a requested load (otherwise, when
// there are battles, the restore point "gefechtsbeginn.txt"), the battle phase and espionage.
void calculateRound(Game& game);

// The rebels' home-service agents change by chance after their reset to 5.
void driftRebelAgents(Game& game);

}  // namespace vaskorath
