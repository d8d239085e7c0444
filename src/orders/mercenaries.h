// Mercenary offers, renewed at the head of every round.
#pragma once

#include "game.h"

namespace vaskorath {

// Draws fresh offers for every open slot and counts down the hired ones.
void renewMercenaryOffers(Game& game);

}  // namespace vaskorath
