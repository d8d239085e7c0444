// Fixed table capacities of a campaign; the save file format depends on every one of them.
#pragma once

namespace vaskorath {

inline constexpr int kFactionCount = 6;       // players 1 to 5 at index 0 to 4, the rebels at 5
inline constexpr int kMaxPlayers = 5;
inline constexpr int kRebelFaction = 5;
inline constexpr int kRaceCount = 5;
inline constexpr int kLocationCount = 100;
inline constexpr int kTroopSlots = 200;       // one troop list, also the units of a march
inline constexpr int kMarchCount = 1000;      // march records per faction
inline constexpr int kBattleCount = 1000;     // battle records per faction
inline constexpr int kLocationReportCount = 100;
inline constexpr int kMarchReportCount = 1000;
inline constexpr int kOfferCount = 10;        // mercenary offers per player
inline constexpr int kInboxSize = 100;        // messages per player
inline constexpr int kMaxMainPlanets = 50;    // setup list of main planets per faction
inline constexpr int kMaxOutposts = 100;      // setup list of outposts per faction
inline constexpr int kMaxAgents = 1'000'000;  // agents of one faction in all, so espionage ends promptly
// The rebels' home-service agents are set to the first number at the start of every round
// calculation; the drift that follows raises them to the second at most.
inline constexpr int kRebelHomeAgentsAtRoundStart = 5;
inline constexpr int kMostRebelHomeAgentsAfterDrift = 9;
// The last round a campaign plays, whatever its round limit (up to 2,147,483,647 may be chosen):
// a save holds at most this round, so every round computed from it stays far from the 32-bit limit.
inline constexpr int kMaxRound = 1'000'000'000;
// The game raises a fortification to 3 at most; older files may hold more, but never above this,
// so a save written after a finished fortification still loads.
inline constexpr int kMaxFortificationLevel = 1000;
inline constexpr int kNobody = 10;            // creditgabehinweis value: no giver

}  // namespace vaskorath
