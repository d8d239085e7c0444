// The situation map: an SVG picture of what every player may know, written as "lagekarte.svg" and
// kept round by round in the folder "lagekarten".
#pragma once

#include <string>

#include "game.h"

namespace vaskorath {

inline constexpr const char* kSituationMapName = "lagekarte.svg";
inline constexpr const char* kSituationMapFolder = "lagekarten";

// Which battles a map marks: those of eventslist, or none.
enum class BattleMarkers { kOfTheRound, kNone };

// The map as SVG: the grid of the coordinates with every location in use (owner, kind,
// fortification), the battles when asked, the title "Lagekarte - Runde R von E" and the legend
// of the factions in play. Nothing secret goes in: no troops, marches, production, spies,
// credits, messages or intelligence. Any text may stand in a name; the result is well formed.
std::string drawSituationMap(const CampaignState& state, BattleMarkers battles);

// Writes the map of the current round to "lagekarte.svg" and, with the same bytes, to
// "lagekarten/runde-R.svg" (R = runde), creating the folder when missing. A map that cannot be
// written warns once in the run, with a pause; the campaign goes on either way.
void writeSituationMap(Game& game);

// The same at the end of the campaign: no battle is fought in the round it ends in, so none is
// marked.
void writeFinalSituationMap(Game& game);

}  // namespace vaskorath
