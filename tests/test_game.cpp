// Test helpers.
#include "test_game.h"

#include <stdexcept>

#include "resolution/battle_detection.h"
#include "resolution/march_processing.h"
#include "resolution/march_scan.h"
#include "state/unit_catalogue.h"

namespace vaskorath::testing {

FactionRecord& TestGame::addPlayer(int index, std::string name, std::string race) {
  FactionRecord& faction = state->spielerliste[index];
  faction.number = index + 1;
  faction.playerName = std::move(name);
  faction.race = std::move(race);
  faction.credits = 1000;
  faction.status = 1;
  if (state->anzahlspieler < index + 1) state->anzahlspieler = index + 1;
  return faction;
}

FactionRecord& TestGame::addRebels() {
  FactionRecord& rebels = state->spielerliste[kRebelFaction];
  rebels.playerName = std::string(kRebelName);
  rebels.race = std::string(kRebelName);
  rebels.status = 1;
  return rebels;
}

int TestGame::addLocation(std::string name, std::string owner, int kind, int coordinates) {
  for (int index = 0; index < kLocationCount; ++index) {
    LocationRecord& location = state->planetenliste[index];
    if (location.inUse) continue;
    location.inUse = true;
    location.name = std::move(name);
    location.owner = std::move(owner);
    location.kind = kind;
    location.coordinates = coordinates;
    return index;
  }
  return -1;
}

void TestGame::placeUnits(int location, int faction, std::initializer_list<std::string_view> units, int race) {
  if (race < 0) race = raceIndexByName(state->spielerliste[faction].race);
  TroopList& list = state->planetenliste[location].troops[race][faction];
  for (std::string_view unit : units) addUnit(list, unit);
}

void TestGame::setProduction(int location, int race, std::string item, int dueRound) {
  state->planetenliste[location].productionItem[race] = std::move(item);
  state->planetenliste[location].productionDueRound = dueRound;
}

MarchRecord& TestGame::addMarch(int faction, std::string orderText, std::string origin, std::string destination,
                                int arrivalRound, std::initializer_list<std::string_view> units) {
  for (MarchRecord& march : state->marschliste[faction]) {
    if (!march.orderText.empty()) continue;
    march.orderText = std::move(orderText);
    march.origin = std::move(origin);
    march.destination = std::move(destination);
    march.arrivalRound = arrivalRound;
    for (std::string_view unit : units) addUnit(march.units, unit);
    return march;
  }
  throw std::length_error("march list full");
}

void TestGame::runArrivalsAndDetection() {
  const MarchScan scan = takeMarchScan(*state);
  processArrivals(game, scan);
  detectBattles(game, scan);
}

int countOccurrences(std::string_view haystack, std::string_view needle) {
  int count = 0;
  for (auto found = haystack.find(needle); found != std::string_view::npos;
       found = haystack.find(needle, found + needle.size())) {
    ++count;
  }
  return count;
}

}  // namespace vaskorath::testing
