// Program start and end of the campaign.
#include "flow/program.h"

#include "console/console.h"
#include "console/file_system.h"
#include "flow/round_loop.h"
#include "flow/setup.h"
#include "state/campaign_state.h"

namespace vaskorath {

namespace {

void showWelcomeScreen(Console& console) {
  console.clearScreen();
  console.print("Willkommen zu Vaskorath Campaign.\n", "-------------------------------------\n",
                "Soll ein alter Spielstand geladen werden (j/n)?");
}

void showCampaignEnd(Console& console) {
  console.clearScreen();
  console.print("Das Spiel ist beendet. Es folgt die Punkte berechnung.\n\n");
  console.pause();
}

}  // namespace

int runProgram(Game& game) {
  game.files.removeStaleTemporaries();
  showWelcomeScreen(game.console);
  if (game.console.readKey() == 'j') {
    game.state.loadRequested = true;  // the first calculation phase loads the campaign
  } else {
    runNewCampaignSetup(game);
  }
  runCampaign(game);
  showCampaignEnd(game.console);
  return 0;
}

}  // namespace vaskorath
