// New campaign setup: players, races, planets, outposts, rebels and the round limit.
#include "flow/setup.h"

#include <span>
#include <string>
#include <string_view>

#include "console/console.h"
#include "flow/setup_questions.h"
#include "state/campaign_state.h"
#include "state/random.h"
#include "state/unit_catalogue.h"

namespace vaskorath {

namespace {

constexpr int kStartingCredits = 1000;
constexpr int kHomePlanetFortification = 3;

// Where a new location goes: the lowest record not in use (nullptr when the table is full,
// which the ledger rules out).
LocationRecord* lowestFreeRecord(CampaignState& state) {
  for (LocationRecord& location : state.planetenliste) {
    if (!location.inUse) return &location;
  }
  return nullptr;
}

// A home planet takes the lowest record without a name.
LocationRecord* lowestUnnamedRecord(CampaignState& state) {
  for (LocationRecord& location : state.planetenliste) {
    if (location.name.empty()) return &location;
  }
  return nullptr;
}

void occupy(LocationRecord& location, const std::string& name, int coordinates, const std::string& owner,
            int kind) {
  location.inUse = true;
  location.name = name;
  location.coordinates = coordinates;
  location.owner = owner;
  location.kind = kind;
}

void placeUnits(TroopList& list, std::span<const std::string_view> units) {
  for (std::string_view unit : units) addUnit(list, unit);
}

void createHomePlanet(CampaignState& state, int player) {
  FactionRecord& faction = state.spielerliste[player];
  faction.mainPlanetNames[0] += kHomePlanetSuffix;
  state.heimatplanet(player) = faction.mainPlanetNames[0];
  LocationRecord* location = lowestUnnamedRecord(state);
  if (location == nullptr) return;
  occupy(*location, faction.mainPlanetNames[0], faction.mainPlanetCoords[0], faction.playerName,
         kKindMainPlanet);
  location->fortificationLevel = kHomePlanetFortification;
  const int race = raceIndexByName(faction.race);
  if (race >= 0) placeUnits(location->troops[race][player], startingTroops(race));
}

void announceLocation(Console& console, int kind, const std::string& name, int coordinates) {
  console.print(kindWord(kind), name, " bei den Koordinaten ", coordinates, "\n");
}

LocationRecord* createLocation(CampaignState& state, const std::string& name, int coordinates,
                               std::string_view owner, int kind) {
  LocationRecord* location = lowestFreeRecord(state);
  if (location != nullptr) occupy(*location, name, coordinates, std::string(owner), kind);
  return location;
}

// The rebel race picker, repeated until it names a race that some player plays.
std::string_view pickPlayedRace(Game& game) {
  for (;;) {
    const std::string_view race = pickRebelRace(game.random, game.state.drawCounter);
    for (int player = 0; player < kMaxPlayers; ++player) {
      if (game.state.spielerliste[player].race == race) return race;
    }
  }
}

// A rebel location with a garrison of a race that some player plays.
void createRebelLocation(Game& game, int kind, const std::string& name, int coordinates) {
  announceLocation(game.console, kind, name, coordinates);
  LocationRecord* location = createLocation(game.state, name, coordinates, kRebelName, kind);
  if (location == nullptr) return;
  const std::string_view race = pickPlayedRace(game);
  location->rebelRace = race;
  const int raceIndex = raceIndexByName(race);
  placeUnits(location->troops[raceIndex][kRebelFaction], rebelGarrison(raceIndex));
}

void askPlayerCount(Game& game) {
  game.console.write("\n");
  const char key =
      askKey(game.console, "Wie viele Spieler (2-5)?", "2345", "Bitte eine Zahl von 2 bis 5 eingeben.");
  game.state.anzahlspieler = key - '0';
  game.state.drawCounter += game.state.anzahlspieler;
}

void askRace(Game& game, FactionRecord& faction) {
  const char key = askKey(game.console,
                          "Welche Rasse spielst du (k = Kadrische Legion, v = Valkaren, x = Xelthar-Bund, "
                          "m = Morgathen, b = Brukkas)?",
                          "kvxmb", "Bitte k, v, x, m oder b druecken.");
  faction.race = kRaces[raceIndexByKey(key)].name;
}

// Name and coordinates of main planet `index` of a faction; the first one of a player is the home planet.
void askMainPlanet(Game& game, LocationLedger& ledger, FactionRecord& faction, int index, bool isHomePlanet) {
  const std::string namePrompt = "Wie lautet der Name von Hauptplanet Nummer " + std::to_string(index + 1) +
                                 (isHomePlanet ? " (dein Heimatplanet)?: " : "?: ");
  faction.mainPlanetNames[index] = askLocationName(game.console, namePrompt, ledger);
  faction.mainPlanetCoords[index] =
      askCoordinates(game.console, "Wie lauten die Koordinaten von Hauptplanet " +
                                       faction.mainPlanetNames[index] + " (4-stellige Zahl)?: ");
}

void askOutpost(Game& game, LocationLedger& ledger, FactionRecord& faction, int index) {
  faction.outpostNames[index] = askLocationName(
      game.console,
      "Wie lautet der Name von Aussenposten Nummer " + std::to_string(index + 1) + "?: ", ledger);
  faction.outpostCoords[index] =
      askCoordinates(game.console, "Wie lauten die Koordinaten von Aussenposten " +
                                       faction.outpostNames[index] + " (4-stellige Zahl)?: ");
}

// Asks for a count, promises its places and salts the random draws with it.
int askLocationCount(Game& game, LocationLedger& ledger, std::string_view prompt, CountLimits limits,
                     int alreadyPromised) {
  const int count = askCount(game.console, prompt, limits);
  ledger.reserve(count - alreadyPromised);
  game.state.drawCounter += count;
  return count;
}

// Lists the player's main planets and outposts and creates all but the home planet.
void showPlayerSummary(Game& game, const FactionRecord& faction) {
  game.console.clearScreen();
  game.console.print("Danke ", faction.playerName, ", du bist Anfuehrer der Rasse ", faction.race,
                     " und du kontrollierst folgende Hauptplaneten und Aussenposten:\n");
  for (int index = 0; index < faction.mainPlanetCount; ++index) {
    const std::string& name = faction.mainPlanetNames[index];
    announceLocation(game.console, kKindMainPlanet, name, faction.mainPlanetCoords[index]);
    if (index != 0) {
      createLocation(game.state, name, faction.mainPlanetCoords[index], faction.playerName, kKindMainPlanet);
    }
  }
  for (int index = 0; index < faction.outpostCount; ++index) {
    const std::string& name = faction.outpostNames[index];
    announceLocation(game.console, kKindOutpost, name, faction.outpostCoords[index]);
    createLocation(game.state, name, faction.outpostCoords[index], faction.playerName, kKindOutpost);
  }
  game.console.write("\n");
  game.console.pause();
}

void setUpPlayer(Game& game, LocationLedger& ledger, int player) {
  FactionRecord& faction = game.state.spielerliste[player];
  faction.status = 1;
  faction.number = player + 1;
  game.console.clearScreen();
  faction.credits = kStartingCredits;
  faction.playerName = askPlayerName(
      game.console, "Spieler " + std::to_string(player + 1) + ", wie lautet dein Name?: ", game.state,
      player);
  askRace(game, faction);

  game.console.write("\n");
  // The home planet's place was promised when the number of players was known.
  faction.mainPlanetCount =
      askLocationCount(game, ledger, "Wie viele Hauptplaneten kontrollierst du (mind. 1)?: ",
                       {1, kMaxMainPlanets, ledger.freePlaces() + 1}, 1);
  for (int index = 0; index < faction.mainPlanetCount; ++index) {
    askMainPlanet(game, ledger, faction, index, index == 0);
    if (index == 0) createHomePlanet(game.state, player);
  }
  faction.outpostCount = askLocationCount(
      game, ledger, "Wie viele Aussenposten kontrollierst du?: ", {0, kMaxOutposts, ledger.freePlaces()}, 0);
  for (int index = 0; index < faction.outpostCount; ++index) askOutpost(game, ledger, faction, index);
  showPlayerSummary(game, faction);
}

void showRebelSummary(Game& game) {
  FactionRecord& rebels = game.state.spielerliste[kRebelFaction];
  game.console.clearScreen();
  if (rebels.mainPlanetCount == 0 && rebels.outpostCount == 0) {
    game.console.write("Danke. Es gibt keine Rebellen in diesem Spiel.\n");
  } else {
    rebels.status = 1;
    rebels.playerName = kRebelName;
    rebels.race = kRebelName;
    game.console.print("Danke. Die ", kRebelName,
                       " kontrollieren folgende Hauptplaneten und Aussenposten:\n");
    for (int index = 0; index < rebels.mainPlanetCount; ++index) {
      createRebelLocation(game, kKindMainPlanet, rebels.mainPlanetNames[index],
                          rebels.mainPlanetCoords[index]);
    }
    for (int index = 0; index < rebels.outpostCount; ++index) {
      createRebelLocation(game, kKindOutpost, rebels.outpostNames[index], rebels.outpostCoords[index]);
    }
  }
  game.console.write("\n");
  game.console.pause();
}

void setUpRebels(Game& game, LocationLedger& ledger) {
  FactionRecord& rebels = game.state.spielerliste[kRebelFaction];
  game.console.clearScreen();
  rebels.mainPlanetCount =
      askLocationCount(game, ledger, "Wie viele Hauptplaneten werden von Rebellen kontrolliert?: ",
                       {0, kMaxMainPlanets, ledger.freePlaces()}, 0);
  for (int index = 0; index < rebels.mainPlanetCount; ++index) {
    askMainPlanet(game, ledger, rebels, index, false);
  }
  rebels.outpostCount =
      askLocationCount(game, ledger, "Wie viele Aussenposten werden von Rebellen kontrolliert?: ",
                       {0, kMaxOutposts, ledger.freePlaces()}, 0);
  for (int index = 0; index < rebels.outpostCount; ++index) askOutpost(game, ledger, rebels, index);
  showRebelSummary(game);
}

void askRoundLimit(Game& game) {
  game.console.clearScreen();
  game.state.endrunde = askPositiveNumber(
      game.console, "Wie viele Runden sollen gespielt werden, um zur Siegpunkteberechnung zu gelangen?: ");
  game.console.print("\nIn Ordnung, es werden ", game.state.endrunde, " Runden gespielt. Viel Erfolg!\n\n");
  game.console.pause();
}

}  // namespace

void runNewCampaignSetup(Game& game) {
  LocationLedger ledger(game.state);
  askPlayerCount(game);
  // Every player needs a home planet, so its place is kept free from the start.
  ledger.reserve(game.state.anzahlspieler);
  for (int player = 0; player < game.state.anzahlspieler; ++player) setUpPlayer(game, ledger, player);
  setUpRebels(game, ledger);
  askRoundLimit(game);
}

}  // namespace vaskorath
