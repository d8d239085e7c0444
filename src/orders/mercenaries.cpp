// Mercenaries.
#include "orders/mercenaries.h"

namespace vaskorath {

// Will draw new offers for the open slots and count down the hired ones of every player.
void renewMercenaryOffers(Game&) {}

}  // namespace vaskorath
