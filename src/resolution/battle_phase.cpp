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

}  // namespace vaskorath
