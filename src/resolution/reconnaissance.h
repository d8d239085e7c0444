// Reconnaissance troops at their target: discovered, or back home with what they found out.
#pragma once

#include "game.h"
#include "state/records.h"

namespace vaskorath {

// For a reconnaissance march (reconMode "j") of faction `faction` that reaches the foreign
// location `target` in this round. Draws whether the troops are discovered: then reconMode is
// "e" and the march stays for the battle there. Otherwise reconMode becomes the result code
// ("a" troops identified, "s" troops and production, "v" nothing) and the march turns back with
// origin and destination exchanged. Returns whether the troops were discovered.
bool resolveReconnaissance(Game& game, MarchRecord& march, const LocationRecord& target);

}  // namespace vaskorath
