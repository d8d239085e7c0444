// Holdings of a faction, counted with the rules of the troop and march lists.
#include "reports/holdings.h"

#include "state/march_list.h"
#include "state/troop_list.h"
#include "state/unit_catalogue.h"

namespace vaskorath {

FactionLocations locationsOf(const CampaignState& state, int faction) {
  FactionLocations holdings;
  const std::string& name = state.spielerliste[faction].playerName;
  if (name.empty()) return holdings;
  for (const LocationRecord& location : state.planetenliste) {
    if (!location.inUse || location.owner != name) continue;
    (location.kind == kKindOutpost ? holdings.outposts : holdings.mainPlanets).push_back(&location);
    holdings.fortificationLevels += location.fortificationLevel;
  }
  return holdings;
}

FactionUnits unitsOf(const CampaignState& state, int faction) {
  FactionUnits units;
  for (const LocationRecord& location : state.planetenliste) {
    if (!location.inUse) continue;
    for (const auto& raceGrid : location.troops) units.stationed += countUnits(raceGrid[faction]);
  }
  for (const MarchRecord& march : state.marschliste[faction]) {
    if (!isFree(march)) units.marching += countUnits(march.units);
  }
  return units;
}

std::string holderName(const CampaignState& state, int faction) {
  const FactionRecord& record = state.spielerliste[faction];
  if (faction == kRebelFaction) return std::string(kRebelName);
  return record.playerName + " (" + record.race + ")";
}

}  // namespace vaskorath
