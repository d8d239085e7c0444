// The final count screen and its chronicle lines.
#include "reports/final_count.h"

#include <string>
#include <vector>

#include "console/console.h"
#include "reports/chronicle.h"
#include "reports/holdings.h"
#include "state/campaign_state.h"

namespace vaskorath {

namespace {

struct Standing {
  int faction = 0;
  FactionLocations locations;
  FactionUnits units;
};

std::string namesOf(const std::vector<const LocationRecord*>& locations) {
  if (locations.empty()) return "- keine -";
  std::string names;
  for (const LocationRecord* location : locations) {
    if (!names.empty()) names += ", ";
    names += location->name;
  }
  return names;
}

void printStanding(Game& game, const Standing& standing) {
  game.console.print(holderName(game.state, standing.faction), "\n",
                     "  Hauptplaneten: ", namesOf(standing.locations.mainPlanets), "\n",
                     "  Aussenposten: ", namesOf(standing.locations.outposts), "\n",
                     "  Befestigungsstufen zusammen: ", standing.locations.fortificationLevels, "\n",
                     "  Einheiten: ", standing.units.stationed, " stationiert, ", standing.units.marching,
                     " auf dem Marsch\n");
  if (standing.faction != kRebelFaction) {
    game.console.print("  Credits: ", game.state.spielerliste[standing.faction].credits, "\n");
  }
  game.console.write("\n");
}

}  // namespace

void showFinalCount(Game& game) {
  const CampaignState& state = game.state;
  std::vector<Standing> standings;
  for (int faction = 0; faction < kFactionCount; ++faction) {
    if (state.spielerliste[faction].playerName.empty()) continue;
    standings.push_back({faction, locationsOf(state, faction), unitsOf(state, faction)});
  }
  // Before the screen: a chronicle that fails shows its warning on a screen of its own.
  for (const Standing& standing : standings) {
    chronicleFinalStanding(game, standing.faction, standing.locations, standing.units);
  }
  game.console.clearScreen();
  game.console.write("Schlussstand der Kampagne\n-------------------------\n\n");
  for (const Standing& standing : standings) printStanding(game, standing);
  game.console.pause();
}

}  // namespace vaskorath
