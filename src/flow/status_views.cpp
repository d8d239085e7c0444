// Status views 1 to 3 of the main menu.
#include "flow/status_views.h"

#include <string>
#include <string_view>

#include "console/console.h"
#include "console/file_system.h"
#include "reports/situation_map.h"
#include "state/campaign_state.h"
#include "state/march_list.h"
#include "state/unit_catalogue.h"

namespace vaskorath {

namespace {

constexpr std::size_t kNameColumnWidth = 25;

void explainMissingStarMap(Console& console, std::string_view message) {
  console.clearScreen();
  console.print(message, "\n\n");
  console.pause();
}

// One line of the planets view; the name column is filled up to 25 characters.
void printLocationLine(Console& console, const LocationRecord& location, bool rebels) {
  const bool outpost = location.kind == kKindOutpost;
  console.print(kindWord(location.kind), location.name, outpost ? " " : "  ",
                console.columnFill(location.name, kNameColumnWidth), "Koordinate ", location.coordinates,
                "           Befestigungsstufe ", location.fortificationLevel);
  if (rebels) console.print("      (", location.rebelRace, ")");
  console.write("\n");
}

void printFactionLocations(Console& console, const CampaignState& state, int faction) {
  const std::string& name = state.spielerliste[faction].playerName;
  console.print("Planeten und Aussenposten von ", name, ":\n", std::string(50, '-'), "\n");
  for (int kind : {kKindMainPlanet, kKindOutpost}) {
    for (const LocationRecord& location : state.planetenliste) {
      if (location.inUse && location.owner == name && location.kind == kind) {
        printLocationLine(console, location, faction == kRebelFaction);
      }
    }
  }
  console.write("\n\n");
}

// The units of one troop list, one per line with the given indent; returns how many there were.
int printUnits(Console& console, const TroopList& units, std::string_view indent) {
  for (const TroopList::Unit& unit : units) console.print(indent, unit.name, "\n");
  return countUnits(units);
}

void printStationedTroops(Console& console, const CampaignState& state, int player) {
  const FactionRecord& faction = state.spielerliste[player];
  const int race = raceIndexByName(faction.race);
  console.print("Folgende Truppenteile befinden sich unter deinem Kommando:\n", std::string(58, '-'));
  for (const LocationRecord& location : state.planetenliste) {
    if (location.owner != faction.playerName) continue;
    console.print("\n", location.kind == kKindMainPlanet ? "Hauptplanet " : "Aussenposten ", location.name,
                  "\n");
    const int count = race >= 0 ? printUnits(console, location.troops[race][player], "  ") : 0;
    if (count == 0) console.write("Keine Truppenteile vor Ort!\n");
  }
}

void printMarchingTroops(Console& console, const CampaignState& state, int player) {
  console.print("\nFolgende Truppenteile befinden sich ausserdem auf dem Marsch:\n", std::string(61, '-'));
  bool anyMarch = false;
  for (const MarchRecord& march : state.marschliste[player]) {
    if (isFree(march)) continue;
    console.print("\n", march.orderText, " Verbleibende Marschdauer: ", march.arrivalRound - state.runde,
                  " Runde(n).\n");
    printUnits(console, march.units, "");
    anyMarch = true;
  }
  if (!anyMarch) console.write("\nKeine Truppenteile befinden sich auf dem Marsch!\n");
}

}  // namespace

void showStarMap(Game& game) {
  const std::string starMap = "karte.jpg";
  if (game.files.exists(starMap)) {
    if (!game.files.openInViewer(starMap)) {
      explainMissingStarMap(
          game.console,
          "Die Sternenkarte karte.jpg konnte nicht geoeffnet werden: kein Bildbetrachter gefunden.");
    }
  } else if (game.files.exists(kSituationMapName)) {
    // The group drew no star map: the picture the program keeps of the campaign stands in for it.
    if (!game.files.openInViewer(kSituationMapName)) {
      explainMissingStarMap(
          game.console,
          "Die Lagekarte lagekarte.svg konnte nicht geoeffnet werden: kein Bildbetrachter gefunden.");
    }
  } else {
    explainMissingStarMap(game.console, "Die Sternenkarte karte.jpg wurde im Spielverzeichnis nicht gefunden.");
  }
}

void showPlanetsAndOutposts(Game& game) {
  Console& console = game.console;
  console.clearScreen();
  console.write("2 Planeten und Aussenposten\n---------------------------\n\n");
  for (int faction = 0; faction < kFactionCount; ++faction) {
    if (game.state.spielerliste[faction].playerName.empty()) continue;  // not in play or eliminated
    printFactionLocations(console, game.state, faction);
  }
  console.pause();
}

void showOwnTroops(Game& game, int player) {
  Console& console = game.console;
  console.clearScreen();
  console.write("3 Eigene Truppenteile\n---------------------\n\n");
  printStationedTroops(console, game.state, player);
  printMarchingTroops(console, game.state, player);
  console.write("\n\n");
  console.pause();
}

}  // namespace vaskorath
