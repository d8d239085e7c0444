// Battle detection.
#include "resolution/battle_detection.h"

#include "state/campaign_state.h"

namespace vaskorath {

void detectBattles(Game& game) {
  game.state.kampfz = 0;
  // The pass over all locations that registers battles and resolves reconnaissance goes here.
}

}  // namespace vaskorath
