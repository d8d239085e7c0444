// What a faction holds, read from the state: its planets and outposts, and its units.
#pragma once

#include <string>
#include <vector>

#include "state/campaign_state.h"

namespace vaskorath {

// The locations in use that a faction owns, each list in location order.
struct FactionLocations {
  std::vector<const LocationRecord*> mainPlanets;  // every kind but the outpost, as the kind word reads it
  std::vector<const LocationRecord*> outposts;
  int fortificationLevels = 0;  // added over all of them
};

// The locations whose owner is the faction's playerName. Requires faction 0 to 5; a faction
// without a name owns nothing.
FactionLocations locationsOf(const CampaignState& state, int faction);

struct FactionUnits {
  int stationed = 0;  // the faction's units in every race grid of every location in use
  int marching = 0;   // the units of its march records in use
};

// Counts the faction's units. Requires faction 0 to 5.
FactionUnits unitsOf(const CampaignState& state, int faction);

// The name a faction's holdings are listed under: "NAME (RACE)", for the rebels just "Rebellen".
std::string holderName(const CampaignState& state, int faction);

}  // namespace vaskorath
