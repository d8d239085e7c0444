// March processing: not built yet, the round calculation already calls it in its place.
#include "resolution/march_processing.h"

namespace vaskorath {

// Will put every due hired mercenary into the first free slot of its player's home planet.
void deliverMercenaries(Game&) {}

// Will move arriving reinforcements into the garrison and leave their arrival message.
void processArrivals(Game&) {}

}  // namespace vaskorath
