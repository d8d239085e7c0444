// The forum: its menu, messages to other players and credit transfers; the mercenary market and
// the casino are its other two entries.
#pragma once

#include "console/console.h"
#include "game.h"

namespace vaskorath {

// Opens the forum menu of the player (main menu entry 8) and returns when the player enters 0.
// Requires player 0 to 4.
void runForum(Game& game, int player);

// Prints the closing message of a forum dialogue with two line breaks before and two after,
// then waits for a key.
template <typename... Parts>
void showForumNotice(Console& console, const Parts&... parts) {
  console.print("\n\n", parts..., "\n\n");
  console.pause();
}

}  // namespace vaskorath
