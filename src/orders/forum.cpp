// Forum.
#include "orders/forum.h"

namespace vaskorath {

// Will offer messages to other players, credit gifts, the mercenary market and the casino.
void runForum(Game&, int) {}

}  // namespace vaskorath
