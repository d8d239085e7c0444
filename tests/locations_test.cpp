// Location labels, the destination match for home planets typed without their suffix, order kinds.
#include <gtest/gtest.h>

#include "state/locations.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

TEST(Locations, AHomePlanetIsMatchedWithAndWithoutItsSuffixButNotTheOtherWayRound) {
  LocationRecord home;
  home.kind = kKindMainPlanet;
  home.name = "Terra (Heimatplanet)";
  EXPECT_EQ(locationLabel(home), "Hauptplanet Terra (Heimatplanet)");
  EXPECT_TRUE(destinationMatches("Hauptplanet Terra (Heimatplanet)", home));
  EXPECT_TRUE(destinationMatches("Hauptplanet Terra", home));
  EXPECT_FALSE(destinationMatches("Aussenposten Terra", home));
  EXPECT_FALSE(destinationMatches("Hauptplanet Terr", home));

  LocationRecord outpost;
  outpost.kind = kKindOutpost;
  outpost.name = "Mond";
  EXPECT_TRUE(destinationMatches("Aussenposten Mond", outpost));
  EXPECT_FALSE(destinationMatches("Aussenposten Mond (Heimatplanet)", outpost));
  EXPECT_TRUE(namesMatch("Mond", "Mond (Heimatplanet)"));
  EXPECT_TRUE(namesMatch("Mond (Heimatplanet)", "Mond"));
  EXPECT_FALSE(namesMatch("Mond", "Mon"));
}

TEST(Locations, OrderKindsComeFromThePositionOfTheFirstB) {
  EXPECT_EQ(orderKind("Angriffsbefehl: Folgende Truppen"), OrderKind::kAttack);
  EXPECT_EQ(orderKind("Erkundungsbefehl: Folgende Truppen"), OrderKind::kReconnaissance);
  EXPECT_EQ(orderKind("Marschbefehl: Folgende Truppen"), OrderKind::kMarch);
  EXPECT_EQ(orderKind(""), OrderKind::kOther);
  EXPECT_TRUE(isReturningReconnaissance("Marschbefehl: Folgende Erkundungstruppen bewegen sich von X"));
  EXPECT_FALSE(isReturningReconnaissance("Marschbefehl: Folgende Truppen bewegen sich von Erde"));
}

TEST(Locations, OccupiedPositionsCountASlotOnceOverAllRaceGrids) {
  LocationRecord location;
  location.troops[0][kRebelFaction].set(3, "Kadrischer Sturmtrupp");
  location.troops[2][kRebelFaction].set(3, "Glutkrieger Trupp");
  location.troops[4][kRebelFaction].set(7, "Brukka Horde");
  location.troops[1][0].set(3, "Valkaren Trupp");
  EXPECT_EQ(countOccupiedSlots(location, kRebelFaction), 2);
  EXPECT_EQ(countOccupiedPositions(location), 3);
  EXPECT_TRUE(positionOccupied(location, 0, 3));
  EXPECT_FALSE(positionOccupied(location, 0, 7));
}

TEST(Locations, AnEmptyNameBelongsToNoFaction) {
  TestGame test;
  test.addPlayer(1, "Bea");
  EXPECT_EQ(factionIndexByName(*test.state, "Bea"), 1);
  EXPECT_EQ(factionIndexByName(*test.state, ""), -1);
  EXPECT_EQ(factionIndexByName(*test.state, "Rebellen"), -1);
}

}  // namespace
}  // namespace vaskorath::testing
