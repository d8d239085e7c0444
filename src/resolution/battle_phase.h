// The battle phase of a round: the battle menu, or the no-battle screen when there are none.
#pragma once

#include "game.h"

namespace vaskorath {

// Runs the battle menu when kampfz is not 0, otherwise the no-battle screen; both offer a
// named save and write "autosave.txt" when they are left.
void runBattlePhase(Game& game);

// Lists the battles, lets the players fight them one by one and checks eliminations.
void runBattleMenu(Game& game);

// Shows "- keine -" and asks: 0 writes the autosave and goes on, 1 offers a named save.
void runNoBattleScreen(Game& game);

}  // namespace vaskorath
