// The battle phase of a round without battles.
#include "resolution/battle_phase.h"

namespace vaskorath {

// Will show the no-battle screen with its named save and autosave.
void runNoBattleScreen(Game&) {}

}  // namespace vaskorath
