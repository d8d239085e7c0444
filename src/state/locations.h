// Rules shared by every phase that names, finds or counts locations, factions and orders.
#pragma once

#include <array>
#include <bitset>
#include <string>
#include <string_view>

#include "state/campaign_state.h"

namespace vaskorath {

// Ends the name of a player's home planet.
inline constexpr std::string_view kHomePlanetSuffix = " (Heimatplanet)";

// The label that names a location in march records and texts: kind word + name,
// e.g. "Hauptplanet Terra (Heimatplanet)".
std::string locationLabel(const LocationRecord& location);

// True when a march's destination names the location: it equals the label, or the label is the
// destination followed by " (Heimatplanet)" (a home planet typed without its suffix).
bool destinationMatches(std::string_view destination, const LocationRecord& location);

// The same match against a label that is already built (for example a battle's kind + name).
bool destinationMatchesLabel(std::string_view destination, std::string_view label);

// True when a location name belongs to `name` with or without " (Heimatplanet)" on either side.
bool namesMatch(std::string_view locationName, std::string_view name);

// Index 0 to 5 of the first faction whose playerName equals `name`, or -1. An empty name
// belongs to nobody (eliminated factions and free locations both have one).
int factionIndexByName(const CampaignState& state, std::string_view name);

// Race index 0 to 4 of a faction's race, or -1 for any other text (the rebels, or an empty
// race from an old file); callers decide what happens without a race grid.
int raceIndexOf(const FactionRecord& faction);

// True when slot `slot` of faction `faction` holds a unit in any of the five race grids.
bool positionOccupied(const LocationRecord& location, int faction, int slot);

// The slot indices at which faction `faction` holds a unit in any of the five race grids.
std::bitset<kTroopSlots> occupiedSlots(const LocationRecord& location, int faction);

// Calls visit(slot, race, name) for each unit of faction `faction` at the location: in slot order,
// and within one slot in race order.
template <typename Visit>
void forEachUnitBySlot(const LocationRecord& location, int faction, Visit visit) {
  std::array<TroopList::Iterator, kRaceCount> next;
  for (int race = 0; race < kRaceCount; ++race) next[race] = location.troops[race][faction].begin();
  const std::bitset<kTroopSlots> slots = occupiedSlots(location, faction);
  for (int slot = 0; slot < kTroopSlots; ++slot) {
    if (!slots[slot]) continue;
    for (int race = 0; race < kRaceCount; ++race) {
      if (next[race] == location.troops[race][faction].end() || next[race]->slot != slot) continue;
      visit(slot, race, next[race]->name);
      ++next[race];
    }
  }
}

// Number of (faction row, slot) positions that hold a unit in any race grid.
int countOccupiedPositions(const LocationRecord& location);

// Number of slot indices at which faction `faction` holds a unit in any race grid.
int countOccupiedSlots(const LocationRecord& location, int faction);

// What an order line says it is, read from the position of its first "b".
enum class OrderKind { kAttack, kReconnaissance, kMarch, kOther };

// The kind of an orderText: "Angriffsbefehl: ..." (first "b" at 8), "Erkundungsbefehl: ..."
// (at 10), "Marschbefehl: ..." (at 6; returning reconnaissance troops are march orders too).
OrderKind orderKind(std::string_view orderText);

// True for the line of returning reconnaissance troops, "Marschbefehl: Folgende
// Erkundungstruppen bewegen sich von ..." (first "E" at 23).
bool isReturningReconnaissance(std::string_view orderText);

}  // namespace vaskorath
