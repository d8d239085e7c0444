// Rebel production: delivery of due units, the garrison count and the draw of a new unit.
#include "flow/rebel_production.h"

#include <gtest/gtest.h>

#include "state/unit_catalogue.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

struct RebelGame : TestGame {
  RebelGame() { addRebels(); }

  // A rebel location of the race with its starting garrison.
  int addRebelLocation(std::string name, int race) {
    const int index = addLocation(std::move(name), "Rebellen");
    state->planetenliste[index].rebelRace = std::string(kRaces[race].name);
    TroopList& garrison = state->planetenliste[index].troops[race][kRebelFaction];
    for (std::string_view unit : rebelGarrison(race)) addUnit(garrison, unit);
    return index;
  }
};

TEST(RebelProduction, AFreshRaceZeroPlanetStartsAUnitInRoundOne) {
  RebelGame test;
  const int festung = test.addRebelLocation("Festung", 0);
  test.state->drawCounter = 1;
  runRebelProduction(test.game);
  // Seed 1, counter 1: (41+1)%10 + (18467+1)%10 + 6334%2 = 10, an empty slot, drawn again:
  // (26500+1)%10 + (19169+1)%10 + 15724%2 = 1, "Kadrischer Sturmtrupp" of cost 80,
  // due in 1 + 80 / 15 + 1 = 7.
  const LocationRecord& location = test.state->planetenliste[festung];
  EXPECT_EQ(location.productionItem[0], "Kadrischer Sturmtrupp");
  EXPECT_EQ(location.productionDueRound, 7);
  EXPECT_EQ(test.state->drawCounter, 1);
  EXPECT_EQ(test.console.output(), "");
}

TEST(RebelProduction, TheGarrisonCountsSlotIndicesNotUnits) {
  RebelGame test;
  // Nine slot indices hold units; slot 3 holds two races at once and counts once.
  const int small = test.addLocation("Klein", "Rebellen");
  test.state->planetenliste[small].rebelRace = "Xelthar-Bund";
  for (int slot = 0; slot < 9; ++slot) test.state->planetenliste[small].troops[2][kRebelFaction][slot] = "u";
  test.state->planetenliste[small].troops[0][kRebelFaction][3] = "v";
  // Ten slot indices, spread over two races and with a hole in between.
  const int full = test.addLocation("Gross", "Rebellen");
  test.state->planetenliste[full].rebelRace = "Xelthar-Bund";
  for (int slot = 0; slot < 5; ++slot) test.state->planetenliste[full].troops[2][kRebelFaction][slot] = "u";
  for (int slot = 10; slot < 15; ++slot) test.state->planetenliste[full].troops[4][kRebelFaction][slot] = "v";

  runRebelProduction(test.game);
  EXPECT_NE(test.state->planetenliste[small].productionDueRound, 0);
  EXPECT_EQ(test.state->planetenliste[full].productionDueRound, 0);
  EXPECT_EQ(test.state->planetenliste[full].productionItem[2], "");
}

TEST(RebelProduction, ADueUnitJoinsTheGarrisonAndTheNextOneStarts) {
  RebelGame test;
  const int festung = test.addRebelLocation("Festung", 3);  // three Morgathen units in slots 0 to 2
  LocationRecord& location = test.state->planetenliste[festung];
  location.troops[3][kRebelFaction][1].clear();  // a hole
  location.productionItem[3] = "Klingenschwarm";
  location.productionDueRound = 4;
  test.state->runde = 4;

  runRebelProduction(test.game);
  EXPECT_EQ(location.troops[3][kRebelFaction][1], "Klingenschwarm");
  // Seed 1, counter 0: 41%10 + 18467%10 + 6334%2 = 8, an empty slot of race 3; then
  // 26500%10 + 19169%10 + 15724%2 = 9, empty; then 11478%10 + 29358%10 + 26962%2 = 16, empty;
  // then 24464%10 + 5705%10 + 28145%2 = 10, empty; then 23281%10 + 16827%10 + 9961%2 = 9, empty;
  // then 491%10 + 2995%10 + 11942%2 = 6, "Seelenjaeger" of cost 360: due in 4 + 24 + 1 = 29.
  EXPECT_EQ(location.productionItem[3], "Seelenjaeger");
  EXPECT_EQ(location.productionDueRound, 29);
}

TEST(RebelProduction, LeavesCapturedLocationsAndUnknownRacesAlone) {
  RebelGame test;
  test.addPlayer(0, "Anna");
  // Captured while a rebel unit was being built: no delivery, no new unit.
  const int captured = test.addLocation("Erobert", "Anna");
  test.state->planetenliste[captured].rebelRace = "Kadrische Legion";
  test.state->planetenliste[captured].productionItem[0] = "Ferox Transporter";
  test.state->planetenliste[captured].productionDueRound = 3;
  // A garrison race from an old file that names no race: only the due round is cleared.
  const int unknown = test.addLocation("Alt", "Rebellen");
  test.state->planetenliste[unknown].productionItem[0] = "Ferox Transporter";
  test.state->planetenliste[unknown].productionDueRound = 3;
  test.state->runde = 3;

  runRebelProduction(test.game);
  const LocationRecord& taken = test.state->planetenliste[captured];
  EXPECT_EQ(taken.productionDueRound, 3);
  EXPECT_EQ(taken.productionItem[0], "Ferox Transporter");
  EXPECT_EQ(countUnits(taken.troops[0][kRebelFaction]), 0);
  EXPECT_EQ(test.state->planetenliste[unknown].productionDueRound, 0);
  EXPECT_EQ(test.state->planetenliste[unknown].productionItem[0], "Ferox Transporter");
  EXPECT_EQ(test.random.next(), 41);  // nothing was drawn
}

}  // namespace
}  // namespace vaskorath::testing
