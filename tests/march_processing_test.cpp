// The first steps of a round calculation: mercenary delivery, arrivals, the scan rule, reconnaissance.
#include <gtest/gtest.h>

#include <string>

#include "resolution/march_processing.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

// Round 4. Anna (Kadrische Legion) holds Terra (Heimatplanet) and Luna; Bert (Brukkas) holds Fels (Heimatplanet).
struct RoundGame : TestGame {
  RoundGame() {
    addPlayer(0, "Anna");
    addPlayer(1, "Bert", "Brukkas");
    terra = addLocation("Terra (Heimatplanet)", "Anna");
    luna = addLocation("Luna", "Anna");
    fels = addLocation("Fels (Heimatplanet)", "Bert");
    state->heimatplanet1 = "Terra (Heimatplanet)";
    state->heimatplanet2 = "Fels (Heimatplanet)";
    state->runde = 4;
  }
  LocationRecord& at(int location) { return state->planetenliste[location]; }
  MarchRecord& march(int faction, int index) { return state->marschliste[faction][index]; }
  // Bert reconnoitres Anna's Luna from Fels.
  MarchRecord& reconnoitre(std::initializer_list<std::string_view> units, int visibilityScore, int drawCounter) {
    MarchRecord& recon = addMarch(1, "Erkundungsbefehl: ...", "Hauptplanet Fels (Heimatplanet)", "Hauptplanet Luna", 4, units);
    recon.reconMode = "j";
    recon.duration = 3;
    recon.visibilityScore = visibilityScore;
    state->drawCounter = drawCounter;
    return recon;
  }

  int terra, luna, fels;
};

TEST(Arrivals, MarchesToAnOwnLocationJoinTheGarrisonAndTellWhatTheyWere) {
  RoundGame test;
  test.placeUnits(test.terra, 0, {"Stabseinheit mit Tribun", "Ferox Transporter"});
  test.at(test.terra).troops[0][0].clear(0);  // a hole in front of the Ferox
  test.addMarch(0, "Angriffsbefehl: ...", "Hauptplanet Luna", "Hauptplanet Terra", 4, {"Kadrischer Sturmtrupp"});
  test.addMarch(0, "Erkundungsbefehl: ...", "Hauptplanet Luna", "Hauptplanet Terra (Heimatplanet)", 4,
                {"Granatwerfertrupps"}).reconMode = "j";
  test.addMarch(0, "Marschbefehl: Folgende Erkundungstruppen bewegen sich von Hauptplanet Fels zurueck nach ...",
                "Hauptplanet Fels", "Hauptplanet Terra (Heimatplanet) (Heimatplanet)", 4, {"Raketenwerfertrupps"})
      .reconMode = "a";
  test.addMarch(0, "Marschbefehl: ...", "Hauptplanet Luna", "Hauptplanet Terra", 4, {"Laeuferschwadron"});
  test.addMarch(0, "Marschbefehl: ...", "Hauptplanet Luna", "Hauptplanet Terra", 5, {"Brontes Kampfpanzer"});
  test.at(test.luna).troops[0][0].fill("Kadrischer Sturmtrupp");
  test.addMarch(0, "Marschbefehl: ...", "Hauptplanet Terra (Heimatplanet)", "Hauptplanet Luna", 4, {"Ferox Transporter"});
  test.runArrivalsAndDetection();

  const std::string arrived = "Verstaerkungstruppen von Hauptplanet Luna sind diese Runde auf Hauptplanet Terra";
  EXPECT_EQ(test.march(0, 0).reportText, arrived + " eingetroffen! Diese waren urspruenglich Angriffstruppen.");
  EXPECT_EQ(test.march(0, 1).reportText,
            arrived + " (Heimatplanet) eingetroffen! Diese waren urspruenglich Erkundungstruppen.");
  EXPECT_EQ(test.march(0, 2).reportText,
            "Verstaerkungstruppen von Hauptplanet Fels sind diese Runde auf Hauptplanet Terra (Heimatplanet) "
            "(Heimatplanet) eingetroffen! Es sind zurueckkehrende Erkundungstruppen.");
  EXPECT_EQ(test.march(0, 3).reportText, arrived + " eingetroffen!");
  for (int index = 0; index < 4; ++index) {
    MarchRecord emptied;
    emptied.reportText = test.march(0, index).reportText;
    EXPECT_EQ(test.march(0, index), emptied) << index;
  }
  EXPECT_EQ(test.march(0, 4).units[0], "Brontes Kampfpanzer");  // arrives next round
  const TroopList& garrison = test.at(test.terra).troops[0][0];
  EXPECT_EQ(garrison[0], "Kadrischer Sturmtrupp");  // into the hole first
  EXPECT_EQ(garrison[2], "Granatwerfertrupps");
  EXPECT_EQ(garrison[4], "Laeuferschwadron");
  // Luna is full: the record is emptied and the unit stays in it.
  EXPECT_EQ(test.march(0, 5).orderText, "");
  EXPECT_EQ(test.march(0, 5).units[0], "Ferox Transporter");
}

TEST(ScanRule, RecordsEmptiedByArrivalsDoNotEndTheScanOfEitherPass) {
  RoundGame test;
  // Record 0 arrives at Terra (location 0) and is emptied before Luna and Fels are scanned.
  test.addMarch(0, "Marschbefehl: ...", "Hauptplanet Luna", "Hauptplanet Terra", 4, {"Ferox Transporter"});
  test.addMarch(0, "Marschbefehl: ...", "Hauptplanet Terra (Heimatplanet)", "Hauptplanet Luna", 4, {"Laeuferschwadron"});
  test.addMarch(0, "Angriffsbefehl: ...", "Hauptplanet Luna", "Hauptplanet Fels", 4, {"Kadrischer Sturmtrupp"});
  test.runArrivalsAndDetection();
  EXPECT_EQ(test.at(test.luna).troops[0][0][0], "Laeuferschwadron");
  ASSERT_EQ(test.state->kampfz, 1);
  EXPECT_EQ(test.state->eventslist[0][0].locationName, "Fels (Heimatplanet)");
}

TEST(MercenaryDelivery, OnlyAnOwnedHomePlanetWithAFreeSlotReceivesTheUnit) {
  RoundGame test;
  test.addPlayer(2, "Cara", "Valkaren");
  test.state->heimatplanet3 = "Sand (Heimatplanet)";
  test.addLocation("Sand (Heimatplanet)", "Anna");  // Cara has lost her home planet
  test.at(test.fels).troops[4][1].fill("Brukka Horde");  // Bert's is full
  auto& offers = test.state->soeldnerliste;
  offers[0][3] = {"Kerberan Haubitze", 390, 0, true};
  offers[0][4] = {"Ferox Transporter", 270, 2, true};  // not due yet
  offers[1][0] = {"Schrauber", 180, 0, true};
  offers[2][0] = {"Valkaren Trupp", 510, 0, true};
  deliverMercenaries(test.game);

  EXPECT_EQ(test.at(test.terra).troops[0][0][0], "Kerberan Haubitze");
  EXPECT_EQ(countUnits(test.at(test.terra).troops[0][0]), 1);
  EXPECT_EQ(offers[0][3], (MercenaryOffer{"Kerberan Haubitze", 390, 0, true}));  // freed by the round report
  EXPECT_EQ(offers[0][4].deliveryCountdown, 2);
  // Kept back: the next renewal counts 1 down to 0 and the delivery is tried again.
  EXPECT_EQ(offers[1][0].deliveryCountdown, 1);
  EXPECT_EQ(offers[2][0].deliveryCountdown, 1);
  EXPECT_EQ(countUnits(test.at(3).troops[1][2]), 0);
}

// Seed 1 draws 41, 18467, 6334, 26500.
TEST(Reconnaissance, DiscoveredTroopsStayForABattleOfTheirOwn) {
  RoundGame test;
  test.placeUnits(test.luna, 0, {"Ferox Transporter"});
  // n = 2, t1 = 30 / 2 + 2 - 3 = 14; r1 = 41 % 10 = 1 < 14 with a unit at Luna: discovered.
  MarchRecord& recon = test.reconnoitre({"Brukka Horde", "Schrauber"}, 30, 0);
  test.runArrivalsAndDetection();
  EXPECT_EQ(recon.reconMode, "e");
  EXPECT_EQ(recon.visibilityScore, 0);
  EXPECT_EQ(recon.destination, "Hauptplanet Luna");
  EXPECT_EQ(recon.arrivalRound, 4);
  EXPECT_EQ(test.state->drawCounter, 2);  // + 1 discovered, + 1 always
  EXPECT_EQ(test.random.next(), 6334);    // r2 was drawn as well, a third draw was not
  ASSERT_EQ(test.state->kampfz, 1);
  EXPECT_EQ(test.state->eventslist[1][0].label,
            "1  Gefecht auf Hauptplanet Luna, derzeit im Besitz von Anna und befestigt in der Ausbaustufe 1 "
            "(entdeckte Erkundungstruppen sind involviert)");
  EXPECT_EQ(test.at(test.luna).battleUnitCount, 3);  // 2 marching + 0 of Bert's own + 1 slot in use
}

TEST(Reconnaissance, UndiscoveredTroopsTurnBackWithTheirResultCode) {
  struct Case {
    const char* name;
    int units, visibility, drawCounter;
    const char* mode;
    int finalCounter;
  };
  // With one unit of visibility 3: t1 = 3 + 1 - 3 = 1 is never beaten by r1 >= 1; t2 = 2.
  const Case cases[] = {
      {"a: r2 = (18467 + 3) % 10 = 0 < 2, (6334 + 0) % 10 = 4 < 5", 1, 3, 2, "a", 4},
      {"s: r2 = (18467 + 4) % 10 = 1 < 2, (6334 + 1) % 10 = 5 >= 5", 1, 3, 3, "s", 5},
      {"v: r2 = (18467 + 1) % 10 = 8 >= 2", 1, 3, 0, "v", 2},
      {"no units count as one: t2 = 2 > r2 = 0", 0, 0, 2, "a", 4},
      {"an empty target: r1 = 1 < t1 = 14, but g = 0; r2 = 8 >= t2 = 4", 2, 30, 0, "v", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RoundGame test;
    MarchRecord& recon = c.units == 0   ? test.reconnoitre({}, c.visibility, c.drawCounter)
                         : c.units == 1 ? test.reconnoitre({"Schrauber"}, c.visibility, c.drawCounter)
                                        : test.reconnoitre({"Schrauber", "Schrauber"}, c.visibility, c.drawCounter);
    test.runArrivalsAndDetection();
    EXPECT_EQ(recon.reconMode, c.mode);
    EXPECT_EQ(test.state->drawCounter, c.finalCounter);
    EXPECT_EQ(recon.arrivalRound, 7);
    EXPECT_EQ(recon.origin, "Hauptplanet Luna");
    EXPECT_EQ(recon.destination, "Hauptplanet Fels (Heimatplanet)");
    EXPECT_EQ(recon.orderText,
              "Marschbefehl: Folgende Erkundungstruppen bewegen sich von Hauptplanet Luna zurueck nach Hauptplanet "
              "Fels (Heimatplanet) (Ankunft in Runde 7).");
    EXPECT_EQ(test.state->kampfz, 0);
  }
}

}  // namespace
}  // namespace vaskorath::testing
