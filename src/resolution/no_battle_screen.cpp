// The battle phase of a round without battles: a short screen that offers saving.
#include "console/console.h"
#include "persistence/save_dialogue.h"
#include "resolution/battle_phase.h"
#include "state/campaign_state.h"

namespace vaskorath {

namespace {

// Answers at the prompt: 0 goes on with the autosave, 1 asks for a named save; any other number
// shows the screen again.
constexpr int kContinueWithAutosave = 0;
constexpr int kNamedSave = 1;

void showNoBattleScreen(Game& game) {
  game.console.clearScreen();
  game.console.print("Runde ", game.state.runde, " beginnt.\n\n");
  game.console.write(
      "Folgende Gefechte gibt es in dieser Runde:\n"
      "------------------------------------------\n"
      "- keine -\n"
      "\n"
      "Es werden keine Gefechte durchgefuehrt (Weiter und Autosave mit 0 - Speichern mit 1)?: ");
}

}  // namespace

void runNoBattleScreen(Game& game) {
  for (;;) {
    showNoBattleScreen(game);
    const int choice = game.console.readNumber();
    if (choice == kNamedSave) runNamedSaveDialogue(game);
    if (choice == kContinueWithAutosave) {
      // A failed autosave has shown its error; the campaign goes on either way.
      writeAutosave(game);
      return;
    }
  }
}

}  // namespace vaskorath
