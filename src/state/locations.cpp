// Location labels, name matches, faction and race lookups, occupied positions, order kinds.
#include "state/locations.h"

#include "state/unit_catalogue.h"

namespace vaskorath {

std::string locationLabel(const LocationRecord& location) {
  return std::string(kindWord(location.kind)) + location.name;
}

bool destinationMatches(std::string_view destination, const LocationRecord& location) {
  // Reports compare every march with every location, so the label is not built for the usual case.
  const std::string_view kind = kindWord(location.kind);
  if (!destination.starts_with(kind)) return destinationMatchesLabel(destination, locationLabel(location));
  destination.remove_prefix(kind.size());
  const std::string_view name = location.name;
  return name == destination || (name.size() == destination.size() + kHomePlanetSuffix.size() &&
                                 name.starts_with(destination) && name.ends_with(kHomePlanetSuffix));
}

bool destinationMatchesLabel(std::string_view destination, std::string_view label) {
  if (destination == label) return true;
  return label.size() == destination.size() + kHomePlanetSuffix.size() && label.starts_with(destination) &&
         label.ends_with(kHomePlanetSuffix);
}

bool namesMatch(std::string_view locationName, std::string_view name) {
  const auto isWithSuffix = [](std::string_view longer, std::string_view shorter) {
    return longer.size() == shorter.size() + kHomePlanetSuffix.size() && longer.starts_with(shorter) &&
           longer.ends_with(kHomePlanetSuffix);
  };
  return locationName == name || isWithSuffix(locationName, name) || isWithSuffix(name, locationName);
}

int factionIndexByName(const CampaignState& state, std::string_view name) {
  if (name.empty()) return -1;
  for (int faction = 0; faction < kFactionCount; ++faction) {
    if (state.spielerliste[faction].playerName == name) return faction;
  }
  return -1;
}

int raceIndexOf(const FactionRecord& faction) { return raceIndexByName(faction.race); }

bool positionOccupied(const LocationRecord& location, int faction, int slot) {
  return occupiedSlots(location, faction)[slot];
}

std::bitset<kTroopSlots> occupiedSlots(const LocationRecord& location, int faction) {
  std::bitset<kTroopSlots> slots;
  for (const auto& grid : location.troops) slots |= grid[faction].slots();
  return slots;
}

int countOccupiedPositions(const LocationRecord& location) {
  int count = 0;
  for (int faction = 0; faction < kFactionCount; ++faction) count += countOccupiedSlots(location, faction);
  return count;
}

int countOccupiedSlots(const LocationRecord& location, int faction) {
  return static_cast<int>(occupiedSlots(location, faction).count());
}

OrderKind orderKind(std::string_view orderText) {
  switch (orderText.find('b')) {
    case 8: return OrderKind::kAttack;
    case 10: return OrderKind::kReconnaissance;
    case 6: return OrderKind::kMarch;
    default: return OrderKind::kOther;
  }
}

bool isReturningReconnaissance(std::string_view orderText) {
  return orderKind(orderText) == OrderKind::kMarch && orderText.find('E') == 23;
}

}  // namespace vaskorath
