// The winner's destroyed units, entered one number at a time after a battle.
#pragma once

#include <string>

#include "game.h"
#include "state/troop_list.h"

namespace vaskorath {

// Lists the winner's units of `grid` numbered over its holes and toggles the "vernichtet" mark of
// each number typed until 0; then empties the marked slots. A grid of nullptr (no race grid)
// lists nothing.
void enterWinnerLosses(Game& game, const std::string& winnerName, TroopList* grid);

}  // namespace vaskorath
