// Rebel production: delivery of due units and the draw of new ones.
#include "flow/rebel_production.h"

#include "state/campaign_state.h"
#include "state/locations.h"
#include "state/unit_catalogue.h"

namespace vaskorath {

namespace {

// A garrison smaller than this many occupied slot indices builds more.
constexpr int kSmallGarrison = 10;

// Rebels build twice as fast as players.
int rebelProductionRounds(int unitCost) { return unitCost / 15 + 1; }

void deliverDueUnit(LocationRecord& location, int race) {
  location.productionDueRound = 0;
  if (race < 0) return;
  std::string& item = location.productionItem[race];
  addUnit(location.troops[race][kRebelFaction], item);  // a full list drops the unit
  item.clear();
}

// Slot 0 to 19 of the catalogue: two chance digits and a coin. The three draws stay separate
// statements so that their order is fixed.
int drawCatalogueSlot(Game& game) {
  const int drawCounter = game.state.drawCounter;
  int slot = game.random.nextDigit(drawCounter);
  slot += game.random.nextDigit(drawCounter);
  slot += game.random.next() % 2;
  return slot;
}

void startNewUnit(Game& game, LocationRecord& location, int race) {
  for (;;) {
    const UnitType& unit = preisliste.unit(race, drawCatalogueSlot(game));
    if (unit.unitName.empty()) continue;  // every race fills slots 0 to 3, so this ends
    location.productionItem[race] = unit.unitName;
    location.productionDueRound = game.state.runde + rebelProductionRounds(unit.unitCost);
    return;
  }
}

}  // namespace

void runRebelProduction(Game& game) {
  CampaignState& state = game.state;
  for (LocationRecord& location : state.planetenliste) {
    if (location.owner != kRebelName) continue;
    const int race = raceIndexByName(location.rebelRace);
    if (location.productionDueRound == state.runde) deliverDueUnit(location, race);
    if (race < 0 || location.productionDueRound != 0) continue;
    if (countOccupiedSlots(location, kRebelFaction) < kSmallGarrison) startNewUnit(game, location, race);
  }
}

}  // namespace vaskorath
