// Battle detection: registration, the discovered-reconnaissance note and the unit count.
#include "resolution/battle_detection.h"

#include <array>
#include <bitset>
#include <string>

#include "resolution/reconnaissance.h"
#include "state/campaign_state.h"
#include "state/locations.h"

namespace vaskorath {

namespace {

// Number of slot indices that hold a unit in any row and any race grid.
int countSlotsInUse(const LocationRecord& location) {
  std::bitset<kTroopSlots> slots;
  for (int faction = 0; faction < kFactionCount; ++faction) slots |= occupiedSlots(location, faction);
  return static_cast<int>(slots.count());
}

// What the detection pass knows about one location while it scans the marches.
struct LocationScan {
  LocationRecord& location;
  std::string label;
  int battleRow = -1;          // the eventslist row of the location's battle
  bool reconNoted = false;     // the note on discovered reconnaissance has been added
  int slotsInUse = -1;         // computed when the first participant is counted
  // Slots each faction holds there, computed at its first participant: nothing changes the
  // garrisons while the location is scanned.
  std::array<int, kFactionCount> ownSlots{-1, -1, -1, -1, -1, -1};
};

void registerBattle(CampaignState& state, LocationScan& scan, int row) {
  ++state.kampfz;
  const LocationRecord& location = scan.location;
  BattleRecord& battle = state.eventslist[row][state.kampfz - 1];
  battle.number = state.kampfz;
  battle.label = std::to_string(state.kampfz) + (state.kampfz <= 9 ? "  " : " ") + "Gefecht auf " +
                 scan.label + ", derzeit im Besitz von " + location.owner + " und befestigt in der Ausbaustufe " +
                 std::to_string(location.fortificationLevel);
  battle.locationKind = kindWord(location.kind);
  battle.locationName = location.name;
  scan.location.battlePending = true;
  scan.battleRow = row;
}

void noteDiscoveredReconnaissance(CampaignState& state, LocationScan& scan, int row) {
  if (!scan.location.battlePending) registerBattle(state, scan, row);
  state.eventslist[scan.battleRow][state.kampfz - 1].label += " (entdeckte Erkundungstruppen sind involviert)";
  scan.reconNoted = true;
}

bool reaches(const MarchRecord& march, const LocationScan& scan, int runde) {
  return march.arrivalRound == runde && destinationMatchesLabel(march.destination, scan.label);
}

// Per participating march: its units, the faction's own garrison positions and every slot in use.
void countParticipant(LocationScan& scan, const MarchRecord& march, int faction) {
  if (scan.slotsInUse < 0) scan.slotsInUse = countSlotsInUse(scan.location);
  int& ownSlots = scan.ownSlots[faction];
  if (ownSlots < 0) ownSlots = countOccupiedSlots(scan.location, faction);
  scan.location.battleUnitCount += countUnits(march.units) + ownSlots + scan.slotsInUse;
}

void scanMarch(Game& game, LocationScan& scan, int faction, MarchRecord& march) {
  CampaignState& state = game.state;
  if (!reaches(march, scan, state.runde)) return;
  if (march.reconMode.empty()) {
    if (!scan.location.battlePending) registerBattle(state, scan, faction);
  } else if (march.reconMode == "j") {
    const bool discovered = resolveReconnaissance(game, march, scan.location);
    if (discovered && !scan.reconNoted) noteDiscoveredReconnaissance(state, scan, faction);
  }
  // Troops that turned back no longer reach the location.
  if ((march.reconMode.empty() || march.reconMode == "e") && reaches(march, scan, state.runde)) {
    countParticipant(scan, march, faction);
  }
}

}  // namespace

void detectBattles(Game& game, const MarchScan& marchScan) {
  CampaignState& state = game.state;
  state.kampfz = 0;
  for (LocationRecord& location : state.planetenliste) {
    location.battlePending = false;
    LocationScan scan{location, locationLabel(location)};
    for (int faction = 0; faction < kFactionCount; ++faction) {
      if (state.spielerliste[faction].playerName == location.owner) continue;
      forEachScannedMarch(state, marchScan, faction,
                          [&](MarchRecord& march) { scanMarch(game, scan, faction, march); });
    }
  }
}

}  // namespace vaskorath
