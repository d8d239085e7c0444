// Main menu.
#include "flow/main_menu.h"

namespace vaskorath {

// Will show the nine entries and dispatch them; until then a turn ends at once.
void runMainMenu(Game&, int) {}

}  // namespace vaskorath
