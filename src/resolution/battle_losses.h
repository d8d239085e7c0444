// The winner's destroyed units, entered one number at a time after a battle.
#pragma once

#include <string>
#include <vector>

#include "game.h"
#include "state/troop_list.h"

namespace vaskorath {

// Lists the winner's units of `grid` numbered over its holes and toggles the "vernichtet" mark of
// each number typed until 0; then empties the marked slots and returns the names of the units
// they held, in list order. A grid of nullptr (no race grid) lists nothing.
std::vector<std::string> enterWinnerLosses(Game& game, const std::string& winnerName, TroopList* grid);

}  // namespace vaskorath
