// The whole program run: welcome screen, new campaign or load request, rounds, end of campaign.
#pragma once

#include "game.h"

namespace vaskorath {

// Runs the campaign from the welcome screen to the end message; returns the exit status.
int runProgram(Game& game);

}  // namespace vaskorath
