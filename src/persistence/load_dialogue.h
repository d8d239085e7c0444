// The load dialogue: resumes a saved campaign in the first calculation phase.
#pragma once

#include <string>

#include "game.h"

namespace vaskorath {

// Lists the saves, asks for a name and replaces the campaign with that file; a file that
// cannot be loaded ends the program. Clears loadRequested and returns the name of the file.
std::string runLoadDialogue(Game& game);

}  // namespace vaskorath
