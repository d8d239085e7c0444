// Program start and end of the campaign.
#include "flow/program.h"

#include "console/console.h"
#include "console/file_system.h"
#include "flow/round_loop.h"
#include "flow/setup.h"
#include "reports/chronicle.h"
#include "reports/final_count.h"
#include "reports/situation_map.h"
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
  const DirectoryLock lock = game.files.lockWorkingDirectory();
  if (lock.status == DirectoryLock::Status::kHeldByAnotherProgram) {
    game.console.write("Fehler: In diesem Verzeichnis laeuft bereits eine Kampagne. Programm wird beendet.\n");
    return 1;
  }
  if (lock.status == DirectoryLock::Status::kImpossible) {
    // Unlocked, a second copy could play beside this one and overwrite its saves.
    game.console.print("Fehler: Dieses Verzeichnis kann nicht fuer die Kampagne gesperrt werden (", lock.reason,
                       "), so koennte ein zweites Programm hier dieselben Spielstaende schreiben. "
                       "Programm wird beendet.\n");
    return 1;
  }
  // Only the copy that holds the directory may clear away what an interrupted save left.
  game.files.removeStaleTemporaries(".");
  game.files.removeStaleTemporaries(kSituationMapFolder);
  showWelcomeScreen(game.console);
  if (game.console.readKey() == 'j') {
    game.state.loadRequested = true;  // the first calculation phase loads the campaign
  } else {
    // A key pressed by mistake must not cost the group the campaign they meant to resume.
    game.state.keepPreviousAutosave = true;
    runNewCampaignSetup(game);
    chronicleNewCampaign(game);
    writeSituationMap(game);
  }
  const int lastRound = runCampaign(game);
  chronicleCampaignEnd(game, lastRound);
  writeFinalSituationMap(game);
  showCampaignEnd(game.console);
  showFinalCount(game);
  return 0;
}

}  // namespace vaskorath
