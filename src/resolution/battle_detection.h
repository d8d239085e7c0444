// Battle detection: finds the marches that reach a foreign location in this round.
#pragma once

#include "game.h"
#include "resolution/march_scan.h"

namespace vaskorath {

// Sets kampfz to 0, then registers one battle per location that an attack, a march or discovered
// reconnaissance troops of another faction reach in this round, in the eventslist row of the
// faction whose record registers it. Resolves the reconnaissance marches that reach a foreign
// location and counts each battle's units into battleUnitCount (processArrivals set it to 0).
// Scans by `scan`, the snapshot the arrivals used.
void detectBattles(Game& game, const MarchScan& scan);

}  // namespace vaskorath
