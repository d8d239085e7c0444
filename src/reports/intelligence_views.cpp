// Enemy troops view and spy network dialogue.
#include "reports/intelligence_views.h"

namespace vaskorath {

// Will list the reconnaissance and espionage reports of the player's intelligence database.
void showEnemyTroops(Game&, int) {}

// Will show where the agents work, recruit new ones for credits and move them between factions.
void runSpyNetworkDialogue(Game&, int) {}

}  // namespace vaskorath
