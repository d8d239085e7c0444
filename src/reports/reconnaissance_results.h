// The reconnaissance section of the round report: ageing of the intelligence database and the
// results of the player's returning reconnaissance troops.
#pragma once

#include "game.h"

namespace vaskorath {

// Prints the section's entries for the player (ageing of location reports, ageing of march
// reports, then reconnaissance results) and returns how many were printed; the report prints
// the heading before and "- keine -" when this returns 0.
int reportReconnaissanceResults(Game& game, int player);

}  // namespace vaskorath
