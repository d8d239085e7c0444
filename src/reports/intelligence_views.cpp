// Enemy troops view and spy network dialogue.
#include "reports/intelligence_views.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "console/console.h"
#include "state/campaign_state.h"
#include "state/locations.h"

namespace vaskorath {

namespace {

constexpr std::string_view kNothingBuilt = "  - keine Bauaktivitaeten -";
constexpr int kAgentPrice = 100;

void printSectionHeading(Console& console, std::string_view title) {
  console.print("\n", title, "\n", std::string(65, '-'), "\n");
}

// Each unit's name on a line of its own: a list that keeps its names as lines is shown at once.
void printUnitLines(Console& console, const TroopList& troops) {
  if (const std::optional<std::string_view> lines = troops.unitLines()) {
    console.write(*lines);
    return;
  }
  for (const TroopList::Unit& unit : troops) console.print(unit.name, "\n");
}

void printKnownTroops(Console& console, const IntelDatabase& database) {
  printSectionHeading(console, "Folgende Informationen liegen ueber gegnerische Truppenteile vor:");
  int count = 0;
  for (const LocationReport& report : database.locationReports) {
    if (report.header.empty()) continue;
    console.print(report.header, "\n");
    const int units = countUnits(report.troops);
    printUnitLines(console, report.troops);
    if (units == 0) console.write("  - keine Truppen vor Ort -\n");
    count += std::max(units, 1);
  }
  if (count == 0) console.write("- keine -\n");
}

void printKnownProduction(Console& console, const IntelDatabase& database) {
  printSectionHeading(console, "Folgende Informationen liegen ueber gegnerische Bauaktivitaeten vor:");
  int count = 0;
  for (const LocationReport& report : database.locationReports) {
    if (report.header.empty() || report.productionText.empty()) continue;
    console.print(report.header, "\n  ", report.productionText);
    if (report.productionText != kNothingBuilt) {
      console.print(" (Fertigstellung in Runde ", report.productionDueRound, ")");
    }
    console.write("\n");
    ++count;
  }
  if (count == 0) console.write("- keine -\n");
}

void printKnownMarches(Console& console, const IntelDatabase& database) {
  printSectionHeading(console, "Folgende Informationen liegen ueber gegnerische Truppenmaersche vor:");
  int count = 0;
  for (const MarchReport& report : database.marchReports) {
    if (report.header.empty()) continue;
    console.print(report.header, "\n");
    ++count;
    if (report.detailedText.empty()) {
      console.print(report.briefText, report.briefArrivalRound, "\n");
      continue;
    }
    console.print(report.detailedText, report.detailedArrivalRound, "\n");
    console.write("  Folgende Marschtruppen sind bekannt:\n");
    printUnitLines(console, report.troops);
  }
  if (count == 0) console.write("- keine -\n");
}

// A message of the spy dialogue, held until a key is pressed.
void showSpyMessage(Console& console, std::string_view message) {
  console.print("\n\n", message, "\n\n");
  console.pause();
}

void printSpyNetwork(Console& console, const CampaignState& state, int player) {
  const FactionRecord& faction = state.spielerliste[player];
  long long abroad = 0;  // wide: a loaded file may hold any counts
  for (int other = 0; other < kFactionCount; ++other) {
    if (other != player) abroad += faction.agents[other];
  }
  console.print("5 Spionageaktivitaeten\n", std::string(17, '-'), "\n\n",
                "Dein Spionagenetzwerk ist wie folgt organisiert:\n", std::string(48, '-'), "\n",
                "Im Innendienst sind derzeit insgesamt ", faction.agents[player], " Agenten im Einsatz.\n\n",
                "Im Aussendienst sind derzeit insgesamt ", abroad,
                " Agenten im Einsatz, im Einzelnen wie folgt:\n");
  for (int other = 0; other < kFactionCount; ++other) {
    const std::string& name = state.spielerliste[other].playerName;
    if (name.empty() || name == faction.playerName) continue;
    console.print("  ", faction.agents[other], " Agenten spionieren bei ", name, "\n");
  }
  console.print("\nFolgende Optionen hast du:\n", std::string(25, '-'), "\n",
                "1. Neuen Agenten fuer 100 Credits anwerben (du hast ", faction.credits, " Credits)\n",
                "2. Aktive Agenten versetzen\n\n", "Was willst du tun (Nummer - Abbruch mit 0)?: ");
}

void recruitAgent(Game& game, int player) {
  FactionRecord& faction = game.state.spielerliste[player];
  if (faction.credits < kAgentPrice) {
    showSpyMessage(game.console, "Du hast leider nicht ausreichend Credits!");
    return;
  }
  // The espionage of a round goes through every agent; a bound keeps it quick and saveable.
  long long total = 0;
  for (int agents : faction.agents) total += agents;
  if (total >= kMaxAgents) {
    showSpyMessage(game.console, "Dein Geheimdienst kann keine weiteren Agenten fuehren. Abbruch!");
    return;
  }
  showSpyMessage(game.console,
                 "Du hast einen neuen Agenten angeworben. Er wurde dem Innendienst zugeordnet.");
  ++faction.agents[player];
  faction.credits -= kAgentPrice;
}

// The faction whose agents entry a move takes from or adds to: the player's own name means the
// home service. -1 when no faction bears the name.
int agentPostOf(const CampaignState& state, int player, const std::string& name) {
  return name == state.spielerliste[player].playerName ? player : factionIndexByName(state, name);
}

// Asks for source, number and target, checks each, and moves the agents only when all are valid,
// so a refused move leaves every count as it was.
void moveAgents(Game& game, int player) {
  Console& console = game.console;
  CampaignState& state = game.state;
  console.write(
      "\nVon wo sollen Agenten versetzt werden (Spielername - wenn vom Innendienst, dann eigener Name)?: ");
  const std::string sourceName = console.readWord();
  if (sourceName == "0") return;
  console.write("\nWie viele Agenten sollen versetzt werden?: ");
  const int requested = console.readNumber();
  auto& agents = state.spielerliste[player].agents;
  const int source = agentPostOf(state, player, sourceName);
  if (source < 0) {
    showSpyMessage(console, "Fehler, Spielername existiert nicht. Abbruch!");
    return;
  }
  if (agents[source] < requested) {
    showSpyMessage(console, source == player
                                ? "Fehler, es sind aktuell nicht genug Agenten im Innendienst. Abbruch!"
                                : "Fehler, es ist dort nicht genug Agenten im Einsatz. Abbruch!");
    return;
  }
  console.write(
      "\nWohin sollen die Agenten versetzt werden (Spielername - wenn in den Innendienst, dann eigener "
      "Name)?: ");
  const int target = agentPostOf(state, player, console.readWord());
  if (target < 0) {
    showSpyMessage(console, "Fehler, Spielername existiert nicht. Abbruch!");
    return;
  }
  // Agents move one by one, so a number below 1 moves nothing.
  const int moved = std::max(requested, 0);
  agents[source] -= moved;
  agents[target] += moved;
  showSpyMessage(console, "Der Agent bzw. die Agenten wurde(n) erfolgreich versetzt!");
}

}  // namespace

void showEnemyTroops(Game& game, int player) {
  Console& console = game.console;
  const IntelDatabase& database = game.state.spionageliste[player];
  console.clearScreen();
  console.print("4 Gegnerische Truppenteile\n", std::string(26, '-'), "\n");
  printKnownTroops(console, database);
  printKnownProduction(console, database);
  printKnownMarches(console, database);
  console.write("\n\n");
  console.pause();
}

void runSpyNetworkDialogue(Game& game, int player) {
  for (;;) {
    game.console.clearScreen();
    printSpyNetwork(game.console, game.state, player);
    switch (game.console.readNumber()) {
      case 0:
        return;
      case 1:
        recruitAgent(game, player);
        break;
      case 2:
        moveAgents(game, player);
        break;
      default:
        showSpyMessage(game.console, "Falsche Auswahl. Abbruch!");
        break;
    }
  }
}

}  // namespace vaskorath
