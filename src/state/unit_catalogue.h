// The five races and their unit catalogue (preisliste): constant data built into the program.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "state/capacities.h"
#include "state/random.h"

namespace vaskorath {

inline constexpr int kUnitSlots = 20;

struct Race {
  std::string_view name;  // stored in FactionRecord::race and LocationRecord::rebelRace
  char key;               // typed at setup
  std::string_view code;  // marks the winning army's race in battle resolution
};

// The races in their fixed index order.
inline constexpr std::array<Race, kRaceCount> kRaces{{
    {"Kadrische Legion", 'k', "kad"},
    {"Valkaren", 'v', "val"},
    {"Xelthar-Bund", 'x', "xel"},
    {"Morgathen", 'm', "mor"},
    {"Brukkas", 'b', "bru"},
}};

inline constexpr std::string_view kRebelName = "Rebellen";
inline constexpr std::string_view kRebelCode = "reb";

// One catalogue slot; an empty unitName marks a slot without a unit.
struct UnitType {
  std::string_view unitName;
  int unitVisibility = 0;
  int unitCost = 0;
  bool unitOutpostBuildable = false;
};

struct UnitCatalogue {
  std::array<std::array<UnitType, kUnitSlots>, kRaceCount> units;

  const UnitType& unit(int race, int slot) const { return units[race][slot]; }
};

extern const UnitCatalogue preisliste;

// Race index 0 to 4 of a race name, or -1 when the text names no race.
int raceIndexByName(std::string_view name);

// Race index of a setup key (k, v, x, m, b), or -1.
int raceIndexByKey(char key);

// Rounds a player's production of a unit of this cost takes.
inline int productionRounds(int unitCost) { return unitCost / 30 + 1; }

// The productionItem of a fortification step, the one item that is no unit.
inline constexpr std::string_view kFortificationItem = "Befestigungsausbau";

// Units a player's home planet starts with, in slot order.
std::span<const std::string_view> startingTroops(int race);

// Units of a rebel-held location's garrison of this race, in slot order.
std::span<const std::string_view> rebelGarrison(int race);

// Picks the race of a rebel garrison: one draw, each race with the same chance.
// drawCounter is only read.
std::string_view pickRebelRace(Random& random, int drawCounter);

}  // namespace vaskorath
