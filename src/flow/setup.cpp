// New campaign setup.
#include "flow/setup.h"

namespace vaskorath {

// Will ask for the players, their planets and outposts, the rebels and the round limit.
void runNewCampaignSetup(Game&) {}

}  // namespace vaskorath
