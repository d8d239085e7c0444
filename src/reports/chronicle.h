// The chronicle "chronik.log": one public line per event of the campaign, for every player to read.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "game.h"
#include "reports/holdings.h"

namespace vaskorath {

// A battle as it was entered, for its line in the chronicle.
struct BattleOutcome {
  std::string_view location;       // kind word + name
  std::string_view previousOwner;  // owner before the battle
  std::string_view winner;
  bool changedHands = false;
  std::span<const std::string> destroyedUnits;  // the winner's units marked as destroyed
};

// Each of these appends one line to "chronik.log" at once. Nothing secret goes in: no orders,
// production, spies, messages or credits (until the end, when nothing is secret any more). When the file cannot be written, the first failure
// shows a warning with a pause and the rest of the run goes on without the chronicle.

// A new campaign: the players with their races, the rebels' locations, the number of rounds.
void chronicleNewCampaign(Game& game);
// A campaign resumed from `fileName`; the round is the loaded one.
void chronicleLoad(Game& game, std::string_view fileName);
// A battle of the current round.
void chronicleBattle(Game& game, const BattleOutcome& outcome);
// A player left the campaign in the current round.
void chroniclePlayerEliminated(Game& game, std::string_view playerName);
// The rebels lost their last location in the current round.
void chronicleRebelsEliminated(Game& game);
// The last player left in the current round has won.
void chronicleLastPlayerWins(Game& game, std::string_view playerName);
// The campaign is over; `lastRound` is the last round that was played.
void chronicleCampaignEnd(Game& game, int lastRound);
// What a faction in play holds at the end: counts only, and credits for a player.
void chronicleFinalStanding(Game& game, int faction, const FactionLocations& locations, const FactionUnits& units);

}  // namespace vaskorath
