// Mercenary offers: their renewal at the head of every round and the hiring dialogue of the forum.
#pragma once

#include "game.h"

namespace vaskorath {

// Draws a fresh unit and price for every open offer and counts down the hired ones, which keep
// unit and price. A player not in play, or one whose race is none of the five, has all ten
// offers cleared without a draw.
void renewMercenaryOffers(Game& game);

// Lists the player's ten offers and hires the chosen one, paid at once and delivered after a
// random delay, until the player enters 0 (forum entry 3). Requires player 0 to 4.
void runMercenaryDialogue(Game& game, int player);

}  // namespace vaskorath
