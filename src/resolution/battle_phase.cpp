// Battle phase dispatch.
#include "resolution/battle_phase.h"

#include "state/campaign_state.h"

namespace vaskorath {

void runBattlePhase(Game& game) {
  if (game.state.kampfz != 0) {
    runBattleMenu(game);
  } else {
    runNoBattleScreen(game);
  }
}

// Will list the round's battles, run the chosen one, check eliminations and save when left.
void runBattleMenu(Game&) {}

}  // namespace vaskorath
