// Espionage resolution.
#include "reports/espionage.h"

namespace vaskorath {

// Will clear the round's espionage results and resolve the agents of every faction.
void resolveEspionage(Game&) {}

// Will report the agents' fights of the round and what the player's agents found out.
int reportEspionageFindings(Game&, int) { return 0; }

}  // namespace vaskorath
