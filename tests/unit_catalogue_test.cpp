// The races, their unit tables, starting troops and the rebel race picker.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/unit_catalogue.h"

namespace vaskorath {
namespace {

std::vector<std::string> names(std::span<const std::string_view> units) {
  return {units.begin(), units.end()};
}

TEST(UnitCatalogue, RacesInTheirFixedOrderWithKeysAndCodes) {
  EXPECT_EQ(kRaces[0].name, "Kadrische Legion");
  EXPECT_EQ(kRaces[4].name, "Brukkas");
  EXPECT_EQ(raceIndexByName("Xelthar-Bund"), 2);
  EXPECT_EQ(raceIndexByName("Rebellen"), -1);
  EXPECT_EQ(raceIndexByName("valkaren"), -1);  // names are compared exactly
  EXPECT_EQ(raceIndexByKey('m'), 3);
  EXPECT_EQ(raceIndexByKey('K'), -1);
  EXPECT_EQ(kRaces[1].code, "val");
}

TEST(UnitCatalogue, CostsVisibilityOutpostFlagsAndProductionTimes) {
  const UnitType& tribune = preisliste.unit(0, 0);
  EXPECT_EQ(tribune.unitName, "Stabseinheit mit Tribun");
  EXPECT_EQ(tribune.unitCost, 80);
  EXPECT_FALSE(tribune.unitOutpostBuildable);
  EXPECT_TRUE(preisliste.unit(0, 1).unitOutpostBuildable);
  EXPECT_EQ(preisliste.unit(1, 5).unitName, "Sturmharnisch Trupp");
  EXPECT_EQ(preisliste.unit(1, 5).unitCost, 240);
  EXPECT_EQ(preisliste.unit(2, 3).unitVisibility, 3);
  EXPECT_TRUE(preisliste.unit(3, 7).unitOutpostBuildable);  // Dreibein Pirscher
  EXPECT_EQ(preisliste.unit(4, 3).unitName, "Munischlepper");

  EXPECT_EQ(productionRounds(preisliste.unit(4, 3).unitCost), 1);   // 10 credits
  EXPECT_EQ(productionRounds(preisliste.unit(3, 6).unitCost), 13);  // Seelenjaeger, 360
  EXPECT_EQ(productionRounds(preisliste.unit(0, 5).unitCost), 6);   // 170
  EXPECT_EQ(productionRounds(29), 1);
  EXPECT_EQ(productionRounds(30), 2);
}

TEST(UnitCatalogue, RacesWithFewerUnitsLeaveTheirOtherSlotsEmpty) {
  const int filled[kRaceCount] = {10, 6, 4, 8, 8};
  for (int race = 0; race < kRaceCount; ++race) {
    for (int slot = 0; slot < kUnitSlots; ++slot) {
      const UnitType& unit = preisliste.unit(race, slot);
      EXPECT_EQ(unit.unitName.empty(), slot >= filled[race]) << race << "/" << slot;
      if (slot >= filled[race]) {
        EXPECT_EQ(unit.unitCost, 0);
        EXPECT_EQ(unit.unitVisibility, 0);
      }
    }
  }
}

TEST(UnitCatalogue, StartingTroopsOfEveryRace) {
  using V = std::vector<std::string>;
  EXPECT_EQ(names(startingTroops(0)),
            (V{"Stabseinheit mit Tribun", "Kadrischer Sturmtrupp", "Kadrischer Sturmtrupp",
               "Kadrischer Sturmtrupp", "Kadrischer Sturmtrupp", "Ferox Transporter"}));
  EXPECT_EQ(names(startingTroops(1)),
            (V{"Kampfautomat Torvin", "Transporter Bastion", "Valkaren Trupp", "Valkaren Trupp"}));
  EXPECT_EQ(names(startingTroops(2)),
            (V{"Kommandant Ilyeth", "KR5 Schildlaeufer", "Glutkrieger Trupp", "Glutkrieger Trupp",
               "Glutkrieger Trupp", "Glutkrieger Trupp"}));
  EXPECT_EQ(names(startingTroops(3)), (V{"Morgathen Fuerst", "Morgathen Trupp", "Morgathen Trupp"}));
  EXPECT_EQ(names(startingTroops(4)),
            (V{"Brukka Stampfer", "Blechkrieger", "Brukka Horde", "Brukka Horde", "Munischlepper",
               "Grossmaul Trupp", "Grossmaul Trupp"}));
}

TEST(UnitCatalogue, RebelGarrisonsDifferOnlyForRaceOne) {
  using V = std::vector<std::string>;
  EXPECT_EQ(names(rebelGarrison(1)),
            (V{"Kampfautomat Torvin", "Valkaren Trupp", "Valkaren Trupp", "Transporter Bastion"}));
  for (int race : {0, 2, 3, 4}) EXPECT_EQ(names(rebelGarrison(race)), names(startingTroops(race)));
}

TEST(RebelRacePicker, MapsTwoDigitsToEachRace) {
  // Seed 1 draws 41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962.
  Random random(1);
  EXPECT_EQ(pickRebelRace(random, 0), "Kadrische Legion");  // 1 -> v 2
  EXPECT_EQ(pickRebelRace(random, 0), "Morgathen");         // 7 -> v 8
  EXPECT_EQ(pickRebelRace(random, 0), "Xelthar-Bund");      // 4 -> v 5
  EXPECT_EQ(pickRebelRace(random, 0), "Kadrische Legion");  // 0 -> v 1
  EXPECT_EQ(pickRebelRace(random, 0), "Brukkas");           // 9 -> v 10
  EXPECT_EQ(pickRebelRace(random, 1), "Xelthar-Bund");      // 4 + 1 -> v 6
  EXPECT_EQ(pickRebelRace(random, 0), "Brukkas");           // 8 -> v 9
  EXPECT_EQ(pickRebelRace(random, 0), "Brukkas");           // 8 -> v 9
  EXPECT_EQ(pickRebelRace(random, 0), "Valkaren");          // 2 -> v 3
}

TEST(RebelRacePicker, TheCounterShiftsTheDrawButIsNotChanged) {
  Random random(1);
  const int drawCounter = 3;
  EXPECT_EQ(pickRebelRace(random, drawCounter), "Xelthar-Bund");  // (41 + 3) % 10 = 4 -> v 5
  EXPECT_EQ(drawCounter, 3);
}

}  // namespace
}  // namespace vaskorath
