// The status views of the main menu: star map, planets and outposts, own troops.
#pragma once

#include "game.h"

namespace vaskorath {

// Opens the star map picture "karte.jpg" of the working directory in the system's viewer and
// returns at once; without it, the situation map "lagekarte.svg". When neither is there or no
// viewer starts, says so and waits for a key.
void showStarMap(Game& game);

// Lists the main planets, then the outposts, of every faction in play with coordinates and
// fortification; rebel locations also name their garrison's race.
void showPlanetsAndOutposts(Game& game);

// Lists the units of the player's race at each of the player's locations, then the player's
// marches with their remaining duration. Requires player 0 to 4.
void showOwnTroops(Game& game, int player);

}  // namespace vaskorath
