// Arrivals of marches and mercenaries in the round calculation.
#pragma once

#include "game.h"
#include "resolution/march_scan.h"

namespace vaskorath {

// Puts every due hired mercenary into the first free slot of its player's race on the player's
// home planet. An offer that cannot be delivered (the home planet lost or full) is kept back one
// more round: its countdown is set to 1 so that the round report does not announce it now.
void deliverMercenaries(Game& game);

// Sets every battleUnitCount to 0 and lets the marches that reach an own location in this round
// join its garrison, each leaving its arrival message in reportText. Scans by `scan`.
void processArrivals(Game& game, const MarchScan& scan);

}  // namespace vaskorath
