// Production orders.
#include "orders/production.h"

namespace vaskorath {

// Will let the player pick a location and a unit or fortification, pay for it and set its due round.
void runProductionDialogue(Game&, int) {}

}  // namespace vaskorath
