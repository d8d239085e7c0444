// Attack, march and reconnaissance orders.
#include "orders/march_orders.h"

namespace vaskorath {

// Will take the chosen units out of the origin, compute the march duration and store the march record.
void runOrderDialogue(Game&, int) {}

}  // namespace vaskorath
