// Rebel production.
#include "flow/rebel_production.h"

namespace vaskorath {

// Will deliver due units at rebel locations and start a new random unit where the garrison is small.
void runRebelProduction(Game&) {}

}  // namespace vaskorath
