// Load dialogue.
#include "persistence/load_dialogue.h"

namespace vaskorath {

// Will list the saves, read the chosen file and replace the campaign with it.
void runLoadDialogue(Game&) {}

}  // namespace vaskorath
