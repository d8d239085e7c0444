// The lines of the chronicle and their append to "chronik.log".
#include "reports/chronicle.h"

#include <algorithm>

#include "console/console.h"
#include "console/file_system.h"
#include "state/campaign_state.h"
#include "state/locations.h"
#include "state/unit_catalogue.h"

namespace vaskorath {

namespace {

// Not ".txt": the chronicle is never offered as a save.
constexpr const char* kChronicleName = "chronik.log";

std::string roundPrefix(int round) { return "Runde " + std::to_string(round) + ": "; }

// A chronicle that cannot be written must never stop the campaign: one warning, then silence.
void appendToChronicle(Game& game, const std::string& line) {
  if (game.state.chronicleUnavailable) return;
  const WriteResult result = game.files.appendLine(kChronicleName, line);
  if (result) return;
  game.state.chronicleUnavailable = true;
  game.console.clearScreen();
  game.console.print("Warnung: Die Chronik chronik.log kann nicht geschrieben werden (", result.reason,
                     "). Das Spiel geht ohne Chronik weiter.\n\n");
  game.console.pause();
}

// Lists are written "A, B, C"; an empty one as "keine".
void addToList(std::string& list, std::string_view item) {
  if (!list.empty()) list += ", ";
  list += item;
}

std::string orNone(const std::string& list) { return list.empty() ? "keine" : list; }

std::string playersWithRaces(const CampaignState& state) {
  std::string list;
  const int players = std::clamp(state.anzahlspieler, 0, kMaxPlayers);
  for (int player = 0; player < players; ++player) {
    const FactionRecord& faction = state.spielerliste[player];
    if (!faction.playerName.empty()) addToList(list, faction.playerName + " (" + faction.race + ")");
  }
  return list;
}

std::string rebelLocations(const CampaignState& state) {
  std::string list;
  for (const LocationRecord& location : state.planetenliste) {
    if (location.inUse && location.owner == kRebelName) addToList(list, locationLabel(location));
  }
  return orNone(list);
}

}  // namespace

void chronicleNewCampaign(Game& game) {
  const CampaignState& state = game.state;
  appendToChronicle(game, "Neue Kampagne, es werden " + std::to_string(state.endrunde) +
                              " Runden gespielt. Spieler: " + playersWithRaces(state) +
                              ". Rebellen: " + rebelLocations(state) + ".");
}

void chronicleLoad(Game& game, std::string_view fileName) {
  appendToChronicle(game, roundPrefix(game.state.runde) + "Spielstand " + std::string(fileName) + " geladen.");
}

void chronicleBattle(Game& game, const BattleOutcome& outcome) {
  std::string line = roundPrefix(game.state.runde) + "Gefecht auf ";
  line.append(outcome.location).append(", bisher im Besitz von ").append(outcome.previousOwner);
  line.append(". Sieger: ").append(outcome.winner);
  line += outcome.changedHands ? ", der Besitzer wechselt." : ", der Besitzer bleibt.";
  std::string destroyed;
  for (const std::string& unit : outcome.destroyedUnits) addToList(destroyed, unit);
  line += " Vernichtete Einheiten des Siegers: " + orNone(destroyed) + ".";
  appendToChronicle(game, line);
}

void chroniclePlayerEliminated(Game& game, std::string_view playerName) {
  appendToChronicle(game, roundPrefix(game.state.runde) + "Spieler " + std::string(playerName) +
                              " kontrolliert keine Aussenposten oder Planeten mehr und scheidet aus dem Spiel aus.");
}

void chronicleRebelsEliminated(Game& game) {
  appendToChronicle(game, roundPrefix(game.state.runde) +
                              "Die Rebellen kontrollieren keine Aussenposten oder Planeten mehr und scheiden "
                              "vorerst aus dem Spiel aus.");
}

void chronicleLastPlayerWins(Game& game, std::string_view playerName) {
  appendToChronicle(game, roundPrefix(game.state.runde) + "Spieler " + std::string(playerName) +
                              " ist der einzig verbleibende Spieler und hat damit gewonnen.");
}

void chronicleCampaignEnd(Game& game, int lastRound) {
  appendToChronicle(game, roundPrefix(lastRound) + "Das Spiel ist beendet. Es folgt die Punkteberechnung.");
}

void chronicleFinalStanding(Game& game, int faction, const FactionLocations& locations, const FactionUnits& units) {
  // Each count after its word, so that no plural can go wrong.
  std::string line = "Schlussstand: " + holderName(game.state, faction) +
                     ": Hauptplaneten " + std::to_string(locations.mainPlanets.size()) +
                     ", Aussenposten " + std::to_string(locations.outposts.size()) +
                     ", Befestigungsstufen " + std::to_string(locations.fortificationLevels) +
                     ", Einheiten " + std::to_string(units.stationed + units.marching);
  if (faction != kRebelFaction) line += ", Credits " + std::to_string(game.state.spielerliste[faction].credits);
  appendToChronicle(game, line + ".");
}

}  // namespace vaskorath
