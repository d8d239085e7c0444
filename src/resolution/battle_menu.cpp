// The battle menu: the list of the round's battles, picking one, saving and the autosave.
#include <array>
#include <string>
#include <string_view>

#include "console/console.h"
#include "persistence/save_dialogue.h"
#include "resolution/battle_phase.h"
#include "resolution/battle_resolution.h"
#include "resolution/elimination.h"
#include "state/campaign_state.h"
#include "state/locations.h"

namespace vaskorath {

namespace {

constexpr int kSaveOrContinue = 0;

constexpr std::array<std::string_view, 3> kSizeSentences = {
    ". Dies ist ein kleines Gefecht!", ". Dies ist ein mittleres Gefecht!", ". Dies ist ein grosses Gefecht!"};

std::string_view sizeSentence(int battleUnitCount) {
  if (battleUnitCount <= 6) return kSizeSentences[0];
  if (battleUnitCount <= 10) return kSizeSentences[1];
  return kSizeSentences[2];
}

// A label saved in the middle of the battle phase already carries its size.
bool hasSizeSentence(std::string_view label) {
  for (std::string_view sentence : kSizeSentences) {
    if (label.ends_with(sentence)) return true;
  }
  return false;
}

bool isOpen(const BattleRecord& battle) { return !battle.label.empty() && !battle.fought; }

// Appends the size sentence of its location to an open battle, once per location.
void addSize(CampaignState& state, BattleRecord& battle, std::array<bool, kLocationCount>& sizeAdded) {
  for (int index = 0; index < kLocationCount; ++index) {
    const LocationRecord& location = state.planetenliste[index];
    if (sizeAdded[index] || location.name.empty() || !namesMatch(location.name, battle.locationName)) continue;
    if (!hasSizeSentence(battle.label)) battle.label += sizeSentence(location.battleUnitCount);
    sizeAdded[index] = true;
  }
}

// Row by row, so a battle of a lower faction row stands above one with a smaller number.
void showBattleList(Game& game, std::array<bool, kLocationCount>& sizeAdded) {
  CampaignState& state = game.state;
  game.console.clearScreen();
  game.console.print("Runde ", state.runde, " beginnt.\n\n",
                     "Folgende Gefechte gibt es in dieser Runde:\n------------------------------------------\n");
  for (auto& row : state.eventslist) {
    for (BattleRecord& battle : row) {
      if (battle.label.empty()) continue;
      if (!battle.fought) addSize(state, battle, sizeAdded);
      game.console.print(battle.label, "\n");
    }
  }
}

BattleRecord* findOpenBattle(CampaignState& state, int number) {
  for (auto& row : state.eventslist) {
    for (BattleRecord& battle : row) {
      if (battle.number == number && isOpen(battle)) return &battle;
    }
  }
  return nullptr;
}

bool anyOpenBattle(const CampaignState& state) {
  for (const auto& row : state.eventslist) {
    for (const BattleRecord& battle : row) {
      if (isOpen(battle)) return true;
    }
  }
  return false;
}

void fight(Game& game, BattleRecord& battle) {
  battle.fought = true;
  battle.label += " <-- Gefecht durchgefuehrt";
  runBattle(game, battle.locationKind, battle.locationName);
}

// After 0 with battles still open; the named save is offered, the autosave is not written.
void offerSave(Game& game) {
  game.console.write(
      "\n\nEs sind noch nicht alle Gefechte durchgefuehrt worden. Soll gespeichert werden (j/n)?\n\n");
  if (game.console.readKey() == 'j') runNamedSaveDialogue(game);
}

}  // namespace

void runBattleMenu(Game& game) {
  CampaignState& state = game.state;
  std::array<bool, kLocationCount> sizeAdded{};
  for (;;) {
    showBattleList(game, sizeAdded);
    game.console.write("\nWelches Gefecht soll durchgefuehrt werden (Nummer - Speichern oder Weiter mit 0)?: ");
    const int choice = game.console.readNumber();
    if (BattleRecord* battle = findOpenBattle(state, choice)) fight(game, *battle);
    runEliminationCheck(game);
    if (choice != kSaveOrContinue) continue;
    if (anyOpenBattle(state)) {
      offerSave(game);
      continue;  // whatever the answer, the list is shown again
    }
    // A failed autosave has shown its error instead; the battle phase ends either way.
    if (writeAutosave(game)) showSavedMessage(game);
    return;
  }
}

}  // namespace vaskorath
