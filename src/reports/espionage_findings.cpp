// Findings of a player's agents on enemy locations and marches.
#include "reports/espionage_findings.h"

#include <array>

#include "console/console.h"
#include "reports/espionage_rolls.h"
#include "reports/intel_database.h"
#include "state/campaign_state.h"
#include "state/locations.h"
#include "state/march_list.h"

namespace vaskorath {

namespace {

void revealLocation(Game& game, int player, int faction, int index) {
  CampaignState& state = game.state;
  const LocationRecord& location = state.planetenliste[index];
  LocationReport& report = state.spionageliste[player].locationReports[index];
  drawDigit(game);
  game.console.print("Deine Agenten konnten in Erfahrung bringen, welche Truppen sich auf ",
                     kindWord(location.kind), location.name, ", kontrolliert von ", location.owner,
                     ", befinden (siehe Menuepunkt 4 - Gegnerische Truppenteile).\n");
  recordTroopReport(report, location, faction, state.runde);
  drawDigit(game);
  if (rollUnder(game, 5)) {
    game.console.write(
        "Es konnte auch in Erfahrung gebracht werden, ob bzw. was derzeit dort produziert wird!\n");
    recordProductionReport(report, location);
  }
}

// The home service notices a march heading for one of the player's own locations.
bool headsForOwnLocation(const CampaignState& state, const MarchRecord& march,
                         const std::string& playerName) {
  for (const LocationRecord& location : state.planetenliste) {
    if (location.owner == playerName && destinationMatches(march.destination, location)) return true;
  }
  return false;
}

// Sights one march at `level`: draw, choose the detail, draw, print and store.
void sightMarch(Game& game, int player, int faction, int index, int level) {
  CampaignState& state = game.state;
  const MarchRecord& march = state.marschliste[faction][index];
  const std::string& factionName = state.spielerliste[faction].playerName;
  drawDigit(game);
  // A detailed report needs a roll under the level, at most 4 in 10, so it is the rarer outcome.
  const bool detailed = rollUnder(game, level);
  drawDigit(game);
  game.console.print("Deine Agenten konnten ", detailed ? "sehr detaillierte " : "ein paar ",
                     "Informationen zu einem Truppenmarsch (", factionName,
                     ") gewinnen (siehe Menuepunkt 4 - Gegnerische Truppenteile).\n");
  recordMarchSighting(state.spionageliste[player], index, march, factionName, state.runde, detailed);
}

int watchMarchesOf(Game& game, int player, int faction) {
  CampaignState& state = game.state;
  const FactionRecord& spy = state.spielerliste[player];
  const int level = marchWatchLevel(spy.agents[faction], state.spielerliste[faction].agents[faction]);
  const bool homeServiceWatches = spy.agents[player] >= 1;
  if (level == 0 && !homeServiceWatches) return 0;
  int count = 0;
  // Holes from the round calculation stay in other factions' lists until their own upkeep,
  // so every record is visited rather than stopping at the first free one.
  for (int index = 0; index < kMarchCount; ++index) {
    const MarchRecord& march = state.marschliste[faction][index];
    if (isFree(march)) continue;
    int marchLevel = level;
    if (marchLevel == 0 && homeServiceWatches && headsForOwnLocation(state, march, spy.playerName)) {
      marchLevel = 1;
    }
    if (marchLevel == 0 || !rollUnder(game, marchFindingBound(marchLevel))) continue;
    sightMarch(game, player, faction, index, marchLevel);
    ++count;
  }
  return count;
}

}  // namespace

int locationFindingBound(int agentsAbroad, int homeService) {
  if (agentsAbroad < 1) return 0;
  if (homeService <= 0) return 5;  // only a damaged file holds a negative count: none
  if (agentsAbroad > 2LL * homeService) return 4;
  if (agentsAbroad > homeService) return 2;
  return 1;
}

int marchWatchLevel(int agentsAbroad, int homeService) {
  if (agentsAbroad < 1) return 0;
  if (homeService <= 0) return 4;  // only a damaged file holds a negative count: none
  if (2LL * homeService < agentsAbroad) return 3;
  if (homeService < agentsAbroad) return 2;
  return 1;
}

int marchFindingBound(int level) {
  constexpr std::array<int, 5> kBounds{0, 1, 2, 4, 5};
  return level >= 0 && level < static_cast<int>(kBounds.size()) ? kBounds[level] : 0;
}

int reportLocationFindings(Game& game, int player) {
  CampaignState& state = game.state;
  const FactionRecord& spy = state.spielerliste[player];
  int count = 0;
  for (int faction = 0; faction < kFactionCount; ++faction) {
    const FactionRecord& target = state.spielerliste[faction];
    // A faction that has left the campaign has an empty name, which every unused slot bears too.
    if (target.playerName.empty() || target.playerName == spy.playerName) continue;
    const int bound = locationFindingBound(spy.agents[faction], target.agents[faction]);
    if (bound == 0) continue;
    for (int index = 0; index < kLocationCount; ++index) {
      if (state.planetenliste[index].owner != target.playerName || !rollUnder(game, bound)) continue;
      revealLocation(game, player, faction, index);
      ++count;
    }
  }
  return count;
}

int reportMarchFindings(Game& game, int player) {
  const CampaignState& state = game.state;
  int count = 0;
  for (int faction = 0; faction < kFactionCount; ++faction) {
    if (faction == player || state.spielerliste[faction].playerName.empty()) continue;
    count += watchMarchesOf(game, player, faction);
  }
  return count;
}

}  // namespace vaskorath
