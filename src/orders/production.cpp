// Production orders: site list, item list, ordering, acceleration and cancelling.
#include "orders/production.h"

#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "state/campaign_state.h"
#include "state/locations.h"
#include "state/unit_catalogue.h"

namespace vaskorath {

namespace {

constexpr int kFortificationPrice = 300;
constexpr int kFortificationRounds = 10;
constexpr int kHighestFortificationLevel = 3;
constexpr int kAccelerationPrice = 100;
constexpr std::size_t kNameColumnWidth = 30;
constexpr std::size_t kCostColumnWidth = 10;

// One extra blank keeps the one-digit numbers of a list aligned with the two-digit ones.
std::string_view numberPadding(int number) { return number < 10 ? " " : ""; }

// An answer to the number just typed, held until a key is pressed. The Enter of the typed number
// has ended the prompt's line, so one line end shows one empty line above the message.
void showAnswer(Console& console, std::string_view message) {
  console.print("\n", message, "\n\n");
  console.pause();
}

// The running-production menu sets its answers apart by two line breaks on either side.
void showMenuMessage(Console& console, std::string_view message) {
  console.print("\n\n", message, "\n\n");
  console.pause();
}

void refuseRaceWithoutCatalogue(Console& console) {
  console.clearScreen();
  console.write(
      "7 Produktionsauftrag\n---------------------\n\nFuer diese Rasse kann nichts produziert werden.\n\n");
  console.pause();
}

// The records of the player's locations in record order; site number n is entry n - 1.
std::vector<int> ownLocations(const CampaignState& state, const std::string& playerName) {
  std::vector<int> sites;
  for (int index = 0; index < kLocationCount; ++index) {
    if (state.planetenliste[index].owner == playerName) sites.push_back(index);
  }
  return sites;
}

void printSiteLine(Console& console, const CampaignState& state, int number, const LocationRecord& location,
                   int race) {
  console.print(number, " ", kindWord(location.kind), location.name,
                location.kind == kKindMainPlanet ? " " : "",
                console.columnFill(location.name, kNameColumnWidth), "Befestigungsstufe ",
                location.fortificationLevel, "     Laufende Produktion: ");
  if (location.productionDueRound != 0) {
    console.print(location.productionItem[race], " mit Fertigstellung in ",
                  location.productionDueRound - state.runde, " Runde(n).\n");
  } else {
    console.write("Keine.\n");
  }
}

void printSiteList(Console& console, const CampaignState& state, const std::vector<int>& sites, int race) {
  console.clearScreen();
  console.print("7 Produktionsauftrag\n", std::string(21, '-'), "\n\n",
                "Folgende Planeten bzw. Produktionsorte befinden sich unter deiner Kontrolle:\n",
                std::string(76, '-'), "\n");
  for (std::size_t site = 0; site < sites.size(); ++site) {
    printSiteLine(console, state, static_cast<int>(site) + 1, state.planetenliste[sites[site]], race);
  }
}

// The catalogue slots of the race that can be built at the location, in slot order: every unit
// at a main planet, the outpost-buildable ones at an outpost.
std::vector<int> offeredUnits(const LocationRecord& location, int race) {
  std::vector<int> slots;
  for (int slot = 0; slot < kUnitSlots; ++slot) {
    const UnitType& unit = preisliste.unit(race, slot);
    if (unit.unitName.empty()) continue;
    if (location.kind == kKindMainPlanet || (location.kind == kKindOutpost && unit.unitOutpostBuildable)) {
      slots.push_back(slot);
    }
  }
  return slots;
}

void printItemList(Console& console, const LocationRecord& location, int credits, int race,
                   const std::vector<int>& units) {
  console.clearScreen();
  console.print("Produktionsauftrag auf ", location.kind == kKindOutpost ? "Aussenposten" : "Hauptplanet",
                " ", location.name, ". Du hast ", credits, " Credits.\n\n",
                "Folgendes kann produziert werden:\n", std::string(33, '-'), "\n");
  int number = 0;
  for (int slot : units) {
    const UnitType& unit = preisliste.unit(race, slot);
    ++number;
    const std::string cost = std::to_string(unit.unitCost);
    console.print(number, numberPadding(number), " ", unit.unitName,
                  console.columnFill(unit.unitName, kNameColumnWidth), " fuer ", cost, " Credits",
                  console.columnFill(cost, kCostColumnWidth), "(Produktionsdauer ",
                  productionRounds(unit.unitCost), " Runden(n))\n");
  }
  ++number;
  console.print(number, numberPadding(number),
                " Befestigungsausbau             fuer 300 Credits       (Produktionsdauer 10 Runden)\n");
}

void orderUnit(Game& game, FactionRecord& faction, LocationRecord& location, int race, const UnitType& unit) {
  if (faction.credits < unit.unitCost) {
    showAnswer(game.console, "Du hast nicht genug Credits fuer diese Einheit!");
    return;
  }
  const int rounds = productionRounds(unit.unitCost);
  location.productionItem[race] = unit.unitName;
  location.productionDueRound = game.state.runde + rounds;
  faction.credits -= unit.unitCost;
  showAnswer(game.console, "Produktionsauftrag fuer folgende Einheit erteilt: " + std::string(unit.unitName) +
                              ". Produktionsdauer " + std::to_string(rounds) + " Runde(n)");
}

// Returns true when the order was given; a refusal keeps the player in the item list.
bool orderFortification(Game& game, FactionRecord& faction, LocationRecord& location, int race) {
  // A level above 3 can only come from a damaged file; it is as final as 3.
  if (location.fortificationLevel >= kHighestFortificationLevel) {
    showAnswer(game.console,
               "Befestigungsstufe ist bereits auf 3 und damit nicht weiter verbesserbar. Abbruch.");
    return false;
  }
  if (faction.credits < kFortificationPrice) {
    showAnswer(game.console, "Du hast nicht genug Credits. Abbruch");
    return false;
  }
  location.productionItem[race] = kFortificationItem;
  location.productionDueRound = game.state.runde + kFortificationRounds;
  faction.credits -= kFortificationPrice;
  showAnswer(game.console, "Auftrag fuer den Befestigungsausbau erteilt. Produktionsdauer 10 Runden");
  return true;
}

// The item list of an idle location until an order is given or the player goes back with 0.
void runItemChoice(Game& game, FactionRecord& faction, LocationRecord& location, int race) {
  const std::vector<int> units = offeredUnits(location, race);
  const int fortificationNumber = static_cast<int>(units.size()) + 1;
  for (;;) {
    printItemList(game.console, location, faction.credits, race, units);
    game.console.write("\nWas soll produziert werden? (Nummer - Abbruch mit 0): ");
    const int choice = game.console.readNumber();
    if (choice == 0) return;
    if (choice < 0 || choice > fortificationNumber) continue;  // the list is shown again
    if (choice < fortificationNumber) {
      orderUnit(game, faction, location, race, preisliste.unit(race, units[choice - 1]));
      return;
    }
    if (orderFortification(game, faction, location, race)) return;
  }
}

void accelerate(Game& game, FactionRecord& faction, LocationRecord& location) {
  if (faction.credits < kAccelerationPrice) {
    showMenuMessage(game.console, "Nicht genug Credits. Abbruch!");
  } else if (location.productionDueRound <= game.state.runde + 1) {
    showMenuMessage(game.console,
                    "Bauauftrag ist bereits kommende Runde fertig. Beschleunigung nicht moeglich. Abbruch!");
  } else {
    --location.productionDueRound;
    faction.credits -= kAccelerationPrice;
    showMenuMessage(game.console, "Bauauftrag wurde um eine Runde beschleunigt!");
  }
}

void cancel(Console& console, LocationRecord& location) {
  for (std::string& item : location.productionItem) item.clear();
  location.productionDueRound = 0;
  showMenuMessage(console, "Bauauftrag wurde abgebrochen!");
}

// Shown below the site list for a location that is producing; one answer, then back to the list.
void runRunningProductionMenu(Game& game, FactionRecord& faction, LocationRecord& location) {
  game.console.print("\nAuf ", kindWord(location.kind), location.name,
                     " wird bereits produziert. Folgende Optionen hast du:\n",
                     "1 Bauauftrag um eine Runde beschleunigen (100 Credits - du hast ", faction.credits,
                     " Credits)\n", "2 Bauauftrag abbrechen (bisherige Zahlungen gehen verloren!)\n", "\n",
                     "Was moechtest du tun? (Nummer - Abbruch mit 0): ");
  switch (game.console.readNumber()) {
    case 1: accelerate(game, faction, location); break;
    case 2: cancel(game.console, location); break;
    case 0: showMenuMessage(game.console, "Abbruch!"); break;
    default: showMenuMessage(game.console, "Falsche Auswahl. Abbruch!"); break;
  }
}

}  // namespace

void runProductionDialogue(Game& game, int player) {
  CampaignState& state = game.state;
  FactionRecord& faction = state.spielerliste[player];
  const int race = raceIndexOf(faction);
  if (race < 0) {
    refuseRaceWithoutCatalogue(game.console);
    return;
  }
  for (;;) {
    const std::vector<int> sites = ownLocations(state, faction.playerName);
    printSiteList(game.console, state, sites, race);
    game.console.write(
        "\nWo moechtest du Anpassungen vornehmen? (Nummer des Produktionsortes - Abbruch mit 0): ");
    const int site = game.console.readNumber();
    if (site == 0) return;
    if (site > static_cast<int>(sites.size())) {
      showAnswer(game.console, "Falsche Auswahl.");
      continue;
    }
    if (site < 0) continue;  // matches no site: the list is shown again
    LocationRecord& location = state.planetenliste[sites[site - 1]];
    if (location.productionDueRound != 0) {
      runRunningProductionMenu(game, faction, location);
    } else {
      runItemChoice(game, faction, location, race);
    }
  }
}

}  // namespace vaskorath
