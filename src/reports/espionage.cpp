// Espionage resolution.
#include "reports/espionage.h"

namespace vaskorath {

// Will clear the round's espionage results and resolve the agents of every faction.
void resolveEspionage(Game&) {}

}  // namespace vaskorath
