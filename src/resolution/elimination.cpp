// The elimination check of the battle menu.
#include "resolution/elimination.h"

#include <array>
#include <string>
#include <vector>

#include "console/console.h"
#include "reports/chronicle.h"
#include "resolution/battle_resolution.h"
#include "resolution/ended_marches.h"
#include "state/campaign_state.h"
#include "state/locations.h"

namespace vaskorath {

namespace {

// Locations per faction; a location counts for the first faction whose name is its owner.
std::array<int, kFactionCount> countLocations(const CampaignState& state) {
  std::array<int, kFactionCount> counts{};
  for (const LocationRecord& location : state.planetenliste) {
    const int owner = factionIndexByName(state, location.owner);
    if (owner >= 0) ++counts[owner];
  }
  return counts;
}

bool isCandidate(const FactionRecord& faction, int locationCount) {
  return locationCount == 0 && !faction.playerName.empty() && faction.status == 1;
}

// Location labels (kind word + name) of the battles of this round that are not fought yet.
std::vector<std::string> openBattleLabels(const CampaignState& state) {
  std::vector<std::string> labels;
  for (const auto& row : state.eventslist) {
    for (const BattleRecord& battle : row) {
      if (!battle.label.empty() && !battle.fought) labels.push_back(battle.locationKind + battle.locationName);
    }
  }
  return labels;
}

// True while one of the player's marches still waits for its battle this round: removing the
// player now would empty it before it is fought.
bool waitsForOpenBattle(const CampaignState& state, int player, const std::vector<std::string>& openBattles) {
  for (const MarchRecord& march : state.marschliste[player]) {
    for (const std::string& label : openBattles) {
      if (participatesInBattle(march, label, state.runde)) return true;
    }
  }
  return false;
}

// Every faction's agents placed at `target` go back into its own home service.
void recallSpies(CampaignState& state, int target, int lastFaction) {
  for (int faction = 0; faction <= lastFaction; ++faction) {
    auto& agents = state.spielerliste[faction].agents;
    if (faction == target) continue;
    agents[faction] += agents[target];
    agents[target] = 0;
  }
}

void endAllMarches(CampaignState& state, int faction) {
  for (MarchRecord& march : state.marschliste[faction]) {
    if (!march.orderText.empty()) endMarchWithUnits(march);
  }
}

void eliminatePlayer(Game& game, int player) {
  CampaignState& state = game.state;
  FactionRecord& record = state.spielerliste[player];
  game.console.clearScreen();
  game.console.print("Spieler ", record.playerName,
                     " kontrolliert keine Aussenposten oder Planeten mehr und scheidet damit aus dem Spiel aus! "
                     "Alle feindlichen Agenten werden wieder abgezogen.\n\n");
  game.console.pause();
  chroniclePlayerEliminated(game, record.playerName);
  recallSpies(state, player, kRebelFaction);
  record.agents[player] = 0;
  record.credits = 0;
  record.race.clear();
  record.playerName.clear();
  record.number = 0;
  record.status = 2;
  endAllMarches(state, player);
}

void eliminateRebels(Game& game) {
  CampaignState& state = game.state;
  FactionRecord& rebels = state.spielerliste[kRebelFaction];
  game.console.clearScreen();
  game.console.print("Die ", rebels.playerName,
                     " kontrollieren keine Aussenposten oder Planeten mehr und scheiden damit vorerst aus dem "
                     "Spiel aus!\n\n"
                     "Achtung: Die Rebellen koennen durch Aufstaende auf euren Planeten oder Aussenposten wieder "
                     "ins Spiel gelangen!\n\n");
  game.console.pause();
  chronicleRebelsEliminated(game);
  // The players' spies at the rebels would otherwise stay there for good; the rebels keep theirs.
  recallSpies(state, kRebelFaction, kMaxPlayers - 1);
  rebels.race.clear();
  rebels.playerName.clear();
  rebels.number = 0;
  rebels.status = 2;
  endAllMarches(state, kRebelFaction);
}

}  // namespace

void runEliminationCheck(Game& game) {
  CampaignState& state = game.state;
  const std::array<int, kFactionCount> counts = countLocations(state);
  const std::vector<std::string> openBattles = openBattleLabels(state);
  for (int player = 0; player < kMaxPlayers; ++player) {
    if (isCandidate(state.spielerliste[player], counts[player]) && !waitsForOpenBattle(state, player, openBattles)) {
      eliminatePlayer(game, player);
    }
  }
  if (isCandidate(state.spielerliste[kRebelFaction], counts[kRebelFaction])) eliminateRebels(game);
}

}  // namespace vaskorath
