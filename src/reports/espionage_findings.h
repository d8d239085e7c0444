// What a player's agents find out in the round report: enemy troops and production, enemy marches.
#pragma once

#include "game.h"

namespace vaskorath {

// Roll bound (chance in 10) of revealing one location of a faction where the player has
// `agentsAbroad` agents against its `homeService`: 5 without home service, 4 above twice the home
// service, 2 above it, 1 otherwise; 0 (no roll) without agents there.
int locationFindingBound(int agentsAbroad, int homeService);

// Level 0 to 4 at which the player's agents watch a faction's marches: 4 without home service,
// 3 above twice the home service, 2 above it, 1 otherwise, 0 without agents there.
int marchWatchLevel(int agentsAbroad, int homeService);

// Roll bound of sighting one march at a watch level: 1, 2, 4 or 5 in 10 for levels 1 to 4.
int marchFindingBound(int level);

// For every location of every other faction in the campaign, lets the player's agents there try
// to reveal its troops and then its production; prints and stores each finding and returns how
// many locations were revealed.
int reportLocationFindings(Game& game, int player);

// For every march of every other faction, lets the player's agents there (or the home service,
// for marches heading for one of the player's locations) try to sight it; prints and stores each
// sighting and returns how many there were.
int reportMarchFindings(Game& game, int player);

}  // namespace vaskorath
