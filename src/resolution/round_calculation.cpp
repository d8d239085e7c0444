// Order of one round calculation.
#include "resolution/round_calculation.h"

#include "console/console.h"
#include "persistence/load_dialogue.h"
#include "persistence/save_dialogue.h"
#include "reports/chronicle.h"
#include "reports/espionage.h"
#include "reports/situation_map.h"
#include "resolution/battle_detection.h"
#include "resolution/battle_phase.h"
#include "resolution/march_processing.h"
#include "resolution/march_scan.h"
#include "state/campaign_state.h"
#include "state/random.h"

namespace vaskorath {

namespace {

void showEndOfRoundScreen(Game& game) {
  const CampaignState& state = game.state;
  game.console.print("Runde ", state.runde - 1, " (von insgesamt ", state.endrunde,
                     " Runden) ist beendet. Die Kalkulation fuer Runde ", state.runde, " beginnt.\n\n");
  game.console.pause();
  game.console.clearScreen();
}

}  // namespace

void driftRebelAgents(Game& game) {
  int& agents = game.state.spielerliste[kRebelFaction].agents[kRebelFaction];
  if (agents >= 11) {
    agents += game.random.next() % 2;
  } else if (agents < 6) {
    agents += game.random.next() % 5;
  } else {
    agents += game.random.next() % 3;
  }
  if (agents >= 21) agents -= game.random.next() % 3;
}

void calculateRound(Game& game) {
  CampaignState& state = game.state;
  state.spielerliste[kRebelFaction].agents[kRebelFaction] = kRebelHomeAgentsAtRoundStart;
  clearBattleRecords(state);
  if (state.loadRequested) state.runde = 2;
  if (state.runde <= 1 || state.runde >= state.endrunde) return;

  game.console.clearScreen();
  if (!state.loadRequested) showEndOfRoundScreen(game);
  driftRebelAgents(game);
  deliverMercenaries(game);
  // Both passes end each faction's scan where its list ended before anything arrived.
  const MarchScan scan = takeMarchScan(state);
  processArrivals(game, scan);
  detectBattles(game, scan);
  // A resumed campaign replaces everything computed so far and continues at its battle phase;
  // the file it came from is the restore point of that phase.
  if (state.loadRequested) {
    chronicleLoad(game, runLoadDialogue(game));
    writeSituationMap(game);
  } else if (state.kampfz != 0) {
    // Taken before any battle is entered, so a wrongly entered one can be undone by loading it.
    writeRestorePoint(game);
  }
  runBattlePhase(game);
  writeSituationMap(game);  // after the autosave, whether or not it was written
  resolveEspionage(game);
}

}  // namespace vaskorath
