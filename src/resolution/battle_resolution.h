// Battle resolution: the participants, the winner and what the battle changes.
#pragma once

#include <string>
#include <string_view>

#include "game.h"
#include "state/records.h"

namespace vaskorath {

// True when the march takes part in the battle whose location label (kind word + name) is
// `battleLabel`: it is aimed there, possibly without " (Heimatplanet)", and arrives this round.
bool participatesInBattle(const MarchRecord& march, std::string_view battleLabel, int runde);

// Runs the battle at the location named `locationName` (kind word `locationKind`), already marked
// as fought: lists the participants, asks for the winner, destroys the losers' marching troops,
// hands the location to a winner who marched in, leaves the messages for the round report and
// takes the winner's destroyed units. Does nothing when no location has that name.
void runBattle(Game& game, const std::string& locationKind, const std::string& locationName);

}  // namespace vaskorath
