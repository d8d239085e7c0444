// Attack, march and reconnaissance orders: origin, units, target, duration and the march record.
#include "orders/march_orders.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "console/console.h"
#include "state/campaign_state.h"
#include "state/locations.h"
#include "state/unit_catalogue.h"

namespace vaskorath {

namespace {

// Title, 42 dashes and an empty line: the head of every screen of the dialogue.
void printTitle(Console& console) {
  console.write("6 Angriffs-, Marsch- oder Erkundungsbefehl\n------------------------------------------\n\n");
}

// The player's first free march record, emptied of whatever an earlier march left in it but its
// message; nullptr when all records are in use.
MarchRecord* takeFreeRecord(CampaignState& state, int player) {
  for (MarchRecord& march : state.marschliste[player]) {
    if (!march.orderText.empty()) continue;
    // Units that found no garrison slot may still lie in a freed record; they must not march again.
    MarchRecord fresh;
    fresh.reportText = std::move(march.reportText);
    march = std::move(fresh);
    return &march;
  }
  return nullptr;
}

void refuseFullMarchList(Game& game) {
  game.console.clearScreen();
  game.console.write(
      "Es sind bereits 1000 Befehle unterwegs. Ein weiterer Befehl ist erst moeglich, wenn Truppen "
      "angekommen sind.\n\n");
  game.console.pause();
}

// Prints the player's main planets, then outposts, numbered from 1; returns their location
// indices in list order.
std::vector<int> listOwnLocations(Game& game, int player) {
  const CampaignState& state = game.state;
  const std::string& name = state.spielerliste[player].playerName;
  game.console.clearScreen();
  printTitle(game.console);
  game.console.print("Folgende Planeten oder Aussenposten befinden sich unter deiner Kontrolle:\n",
                     std::string(73, '-'), "\n");
  std::vector<int> listed;
  for (int kind : {kKindMainPlanet, kKindOutpost}) {
    for (int index = 0; index < kLocationCount; ++index) {
      const LocationRecord& location = state.planetenliste[index];
      if (!location.inUse || location.owner != name || location.kind != kind) continue;
      listed.push_back(index);
      game.console.print(static_cast<int>(listed.size()), " ", kindWord(kind), location.name,
                         " bei den Koordinaten ", location.coordinates, " mit der Befestigungsstufe ",
                         location.fortificationLevel, "\n");
    }
  }
  return listed;
}

// The origin chosen in the list; `location` is nullptr when the number matched no entry, and then
// the texts are empty.
struct Origin {
  LocationRecord* location = nullptr;
  std::string label;  // kind word + name, as march records name it
  std::string kind;   // "Hauptplanet" or "Aussenposten"
  std::string name;
};

// The troop list the player's units stand in at the origin, or nullptr (no origin, or a race
// without a grid).
TroopList* originTroops(const CampaignState& state, const Origin& origin, int player) {
  const int race = raceIndexOf(state.spielerliste[player]);
  if (origin.location == nullptr || race < 0) return nullptr;
  return &origin.location->troops[race][player];
}

// One pass of the unit selection: flips the mark of unit number `toggled` (0: none), prints the
// numbered units and mirrors the marks into the record's units (entry n - 1 for number n).
void showUnitSelection(Game& game, const Origin& origin, const TroopList* troops,
                       std::array<bool, kTroopSlots>& marked, int toggled, MarchRecord& march) {
  game.console.clearScreen();
  printTitle(game.console);
  // Without an origin the empty kind and name still leave their blanks: "Auf   sind ...".
  game.console.print("Auf ", origin.kind, " ", origin.name, " sind folgende Truppenteile stationiert:\n",
                     std::string(60, '-'), "\n");
  int number = 0;
  if (troops != nullptr) {
    for (const TroopList::Unit& unit : *troops) {
      ++number;
      if (number == toggled) marked[unit.slot] = !marked[unit.slot];
      game.console.print(number, " ", unit.name);
      if (marked[unit.slot]) {
        game.console.write(" <-- Vorgesehen zum Marschieren");
        march.units.set(number - 1, unit.name);
      } else {
        march.units.clear(number - 1);
      }
      game.console.write("\n");
    }
  }
  if (number == 0) game.console.write("  - keine -\n");
}

// Lets the player mark and unmark units until 0 is typed; returns whether any unit is marked.
bool selectUnits(Game& game, const Origin& origin, TroopList* troops, std::array<bool, kTroopSlots>& marked,
                 MarchRecord& march) {
  int toggled = 0;  // the first pass selects nothing
  for (;;) {
    showUnitSelection(game, origin, troops, marked, toggled, march);
    game.console.write(
        "\nWelche Einheit soll entsandt werden (Nummer - 0 wenn Auswahl beendet oder Abbruch wenn keine "
        "Truppen vorhanden)?: ");
    toggled = game.console.readNumber();
    if (toggled == 0) break;
  }
  return std::find(marked.begin(), marked.end(), true) != marked.end();
}

// First location whose name is the typed word, with or without " (Heimatplanet)".
LocationRecord* findTarget(CampaignState& state, const std::string& typed) {
  for (LocationRecord& location : state.planetenliste) {
    if (!location.name.empty() && namesMatch(location.name, typed)) return &location;
  }
  return nullptr;
}

// Asks until the word names an existing location other than the origin; returns that location
// and the word as typed.
LocationRecord& askTarget(Game& game, const Origin& origin, std::string& typed) {
  constexpr std::string_view kPrompt =
      "Welcher Hauptplanet oder Aussenposten ist das Angriffs-, Marsch- oder Erkundungsziel?: ";
  game.console.print("\n", kPrompt);
  for (;;) {
    typed = game.console.readWord();
    if (!origin.name.empty() && namesMatch(origin.name, typed)) {
      game.console.print("\nStart- und Zielpunkt sind identisch. ", kPrompt);
      continue;
    }
    if (LocationRecord* target = findTarget(game.state, typed)) return *target;
    game.console.print("\nZielpunkt existiert nicht! ", kPrompt);
  }
}

bool askConfirmation(Game& game, int duration) {
  const CampaignState& state = game.state;
  game.console.clearScreen();
  // The last calculation phase is that of the round before the campaign's end: later arrivals
  // never happen.
  const int lastRound = finalRound(state);
  if (state.runde + duration >= lastRound) {
    game.console.print("Hinweis: Die Kampagne endet mit Runde ", lastRound,
                       ", dieser Befehl wird nicht mehr ausgefuehrt.\n");
  }
  game.console.print("Datenerhebung abgeschlossen. Der geplante Marsch dauert ", duration,
                     " Runde(n) (Ankunft in Runde ", state.runde + duration,
                     "). Soll der Befehl nun erteilt werden (j/n)?: ");
  const bool confirmed = game.console.readWord() == "j";
  game.console.write("\n");
  return confirmed;
}

// Three times the visibility of each unit of the player's race that marches.
int visibilityOf(std::string_view unit, int race) {
  if (race < 0) return 0;
  int score = 0;
  for (const UnitType& type : preisliste.units[race]) {
    if (!type.unitName.empty() && type.unitName == unit) score += 3 * type.unitVisibility;
  }
  return score;
}

void confirmOrder(Game& game, int player, MarchRecord& march) {
  game.console.write("Vielen Dank, der Befehl wurde erteilt!\n\n");
  game.console.print(march.orderText, " Marschdauer: ", march.duration, " Runde(n).\n");
  const int race = raceIndexOf(game.state.spielerliste[player]);
  for (const TroopList::Unit& unit : march.units) {
    game.console.print(unit.name, "\n");
    march.visibilityScore += visibilityOf(unit.name, race);
  }
  game.console.write("\n");
  game.console.pause();
}

// The units go back into the first empty slots of the origin; the record stays free.
void declineOrder(Game& game, TroopList* troops, MarchRecord& march) {
  if (troops != nullptr) moveUnits(march.units, *troops);
  game.console.write("Abbruch!\n\n");
  game.console.pause();
}

}  // namespace

int marchDuration(int fromCoordinates, int toCoordinates) {
  const int dx = std::abs(fromCoordinates / 100 - toCoordinates / 100);
  const int dy = std::abs(fromCoordinates % 100 - toCoordinates % 100);
  const int longer = std::max(dx, dy);
  // Equal coordinates would give 0, an arrival round that is never resolved.
  return std::max(1, longer / 2 + longer % 2);
}

void runOrderDialogue(Game& game, int player) {
  CampaignState& state = game.state;
  MarchRecord* record = takeFreeRecord(state, player);
  if (record == nullptr) {
    refuseFullMarchList(game);
    return;
  }
  MarchRecord& march = *record;

  const std::vector<int> listed = listOwnLocations(game, player);
  game.console.write(
      "\nVon welchem Planeten oder Aussenposten sollen Truppen entsandt werden (Nummer - 0 fuer Abbruch)?: ");
  const int choice = game.console.readNumber();
  if (choice == 0) return;
  Origin origin;
  if (choice > 0 && choice <= static_cast<int>(listed.size())) {
    origin.location = &state.planetenliste[listed[choice - 1]];
    origin.label = locationLabel(*origin.location);
    origin.kind = origin.location->kind == kKindOutpost ? "Aussenposten" : "Hauptplanet";
    origin.name = origin.location->name;
  }

  TroopList* troops = originTroops(state, origin, player);
  std::array<bool, kTroopSlots> marked{};
  if (!selectUnits(game, origin, troops, marked, march)) {
    game.console.clearScreen();
    game.console.write("Keine Truppen fuer den Angriff bzw. Marsch ausgewaehlt. Abbruch!\n\n");
    game.console.pause();
    return;
  }
  for (int slot = 0; slot < kTroopSlots; ++slot) {
    if (marked[slot]) troops->clear(slot);
  }

  std::string typed;
  const LocationRecord& target = askTarget(game, origin, typed);
  const std::string& playerName = state.spielerliste[player].playerName;
  const bool ownTarget = target.owner == playerName;
  bool reconnaissance = false;
  if (!ownTarget) {
    game.console.write("\nSoll nur erkundet werden (j/n)?: ");
    reconnaissance = game.console.readWord() == "j";
  }
  // Units were marked, so the origin exists.
  const int duration = marchDuration(origin.location->coordinates, target.coordinates);
  if (!askConfirmation(game, duration)) {
    declineOrder(game, troops, march);
    return;
  }

  const std::string label =
      reconnaissance ? "Erkundungsbefehl: " : (ownTarget ? "Marschbefehl: " : "Angriffsbefehl: ");
  march.duration = duration;
  march.arrivalRound = state.runde + duration;
  march.origin = origin.label;
  march.destination = kindWord(target.kind) + typed;
  if (reconnaissance) march.reconMode = "j";
  march.orderText = label + "Folgende Truppen bewegen sich von " + march.origin + " nach " + march.destination +
                    " (Ankunft in Runde " + std::to_string(march.arrivalRound) + ").";
  confirmOrder(game, player, march);
}

}  // namespace vaskorath
