// Rebel production: delivery of due units, the garrison count, new draws, the run in round 1.
#include "flow/rebel_production.h"

#include <gtest/gtest.h>

#include "flow/round_loop.h"
#include "state/unit_catalogue.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

TEST(RebelProduction, AFreshRaceZeroPlanetStartsAUnitInRoundOne) {
  TestGame test;
  const int festung = test.addLocation("Festung", "Rebellen");
  test.state->planetenliste[festung].rebelRace = "Kadrische Legion";
  test.placeUnits(festung, kRebelFaction, {"Stabseinheit mit Tribun", "Ferox Transporter"}, 0);
  test.state->drawCounter = 1;
  runRebelProduction(test.game);
  // Seed 1, counter 1: (41+1)%10 + (18467+1)%10 + 6334%2 = 10 is an empty slot, drawn again:
  // (26500+1)%10 + (19169+1)%10 + 15724%2 = 1, "Kadrischer Sturmtrupp" of cost 80, due in
  // 1 + 80 / 15 + 1 = 7.
  EXPECT_EQ(test.state->planetenliste[festung].productionItem[0], "Kadrischer Sturmtrupp");
  EXPECT_EQ(test.state->planetenliste[festung].productionDueRound, 7);
  EXPECT_EQ(test.state->drawCounter, 1);
}

TEST(RebelProduction, ADueUnitJoinsTheGarrisonAndTheGarrisonCountsSlotIndices) {
  TestGame test;
  const int hort = test.addLocation("Hort", "Rebellen");
  LocationRecord& small = test.state->planetenliste[hort];
  small.rebelRace = "Morgathen";
  // Eight slot indices and a hole at 1 that takes the delivery; slot 3 holds two races, counted once.
  for (int slot : {0, 2, 3, 4, 5, 6, 7, 8}) small.troops[3][kRebelFaction].set(slot, "Klingenschwarm");
  small.troops[0][kRebelFaction].set(3, "Ferox Transporter");
  test.setProduction(hort, 3, "Morgathen Fuerst", 4);
  // Ten slot indices over two races: nothing new.
  const int wall = test.addLocation("Wall", "Rebellen");
  test.state->planetenliste[wall].rebelRace = "Morgathen";
  for (int slot = 0; slot < 10; ++slot)
    test.state->planetenliste[wall].troops[slot < 5 ? 0 : 3][5].set(slot, "x");
  test.state->runde = 4;

  runRebelProduction(test.game);
  EXPECT_EQ(small.troops[3][kRebelFaction][1], "Morgathen Fuerst");
  // Nine slot indices after the delivery: a new unit. Seed 1, counter 0: the sums 8, 9, 16, 10
  // and 9 hit empty Morgathen slots; 491%10 + 2995%10 + 11942%2 = 6 is "Seelenjaeger" of cost
  // 360, due in 4 + 360 / 15 + 1 = 29.
  EXPECT_EQ(small.productionItem[3], "Seelenjaeger");
  EXPECT_EQ(small.productionDueRound, 29);
  EXPECT_EQ(test.state->planetenliste[wall].productionDueRound, 0);
}

TEST(RebelProduction, LeavesCapturedLocationsAndUnknownRacesAlone) {
  TestGame test;
  test.addPlayer(0, "Anna");
  const int captured = test.addLocation("Erobert", "Anna");
  test.state->planetenliste[captured].rebelRace = "Kadrische Legion";
  test.setProduction(captured, 0, "Ferox Transporter", 3);
  const int unknown =
      test.addLocation("Alt", "Rebellen");  // a race from an old file: only the due round goes
  test.setProduction(unknown, 0, "Ferox Transporter", 3);
  test.state->runde = 3;

  runRebelProduction(test.game);
  EXPECT_EQ(test.state->planetenliste[captured].productionDueRound, 3);
  EXPECT_EQ(countUnits(test.state->planetenliste[captured].troops[0][kRebelFaction]), 0);
  EXPECT_EQ(test.state->planetenliste[unknown].productionDueRound, 0);
  EXPECT_EQ(test.state->planetenliste[unknown].productionItem[0], "Ferox Transporter");
  EXPECT_EQ(test.random.next(), 41);
}

TEST(RebelProduction, TheRoundLoopRunsItInRoundOne) {
  TestGame test("9\n9\n");  // round 1 only: both players end their turns
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  const int festung = test.addLocation("Festung", "Rebellen");
  test.state->planetenliste[festung].rebelRace = "Kadrische Legion";
  test.placeUnits(festung, kRebelFaction, {"Stabseinheit mit Tribun"}, 0);
  test.state->endrunde = 2;
  runCampaign(test.game);
  // Whatever unit was drawn, it was started in round 1: due in 1 + its cost / 15 + 1.
  const LocationRecord& location = test.state->planetenliste[festung];
  int cost = -1;
  for (int slot = 0; slot < kUnitSlots; ++slot) {
    const UnitType& unit = preisliste.unit(0, slot);
    if (!unit.unitName.empty() && unit.unitName == location.productionItem[0]) cost = unit.unitCost;
  }
  ASSERT_GT(cost, 0) << location.productionItem[0];
  EXPECT_EQ(location.productionDueRound, 1 + cost / 15 + 1);
}

}  // namespace
}  // namespace vaskorath::testing
