// The final count: what each faction in play holds at the end, on the screen and in the chronicle.
#include <gtest/gtest.h>

#include <string>

#include "reports/final_count.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

TEST(FinalCount, ListsTheHoldingsOfEveryFactionInPlayAndChroniclesTheirCounts) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(2, "Cara", "Morgathen");  // Bert, player 2, is out: no block for him
  test.addRebels();
  test.state->spielerliste[0].credits = 830;
  test.state->spielerliste[2].credits = 1205;
  const int terra = test.addLocation("Terra (Heimatplanet)", "Anna", kKindMainPlanet, 101);
  test.addLocation("Luna", "Anna", kKindMainPlanet, 102);
  const int kappa = test.addLocation("Kappa", "Rebellen", kKindOutpost, 103);
  const int nebel = test.addLocation("Nebel (Heimatplanet)", "Cara", kKindMainPlanet, 505);
  test.addLocation("Mond", "Anna", kKindOutpost, 104);
  test.addLocation("Festung", "Rebellen", kKindMainPlanet, 707);
  test.addLocation("Sumpf", "Rebellen", kKindOutpost, 708);
  LocationRecord* locations = test.state->planetenliste.data();
  locations[terra].fortificationLevel = 3;
  locations[nebel].fortificationLevel = 3;
  locations[4].fortificationLevel = 2;
  locations[6].fortificationLevel = 0;

  // Anna: three of her race and two of another race at Terra, three on two marches.
  test.placeUnits(terra, 0, {"Kadrischer Sturmtrupp", "Kadrischer Sturmtrupp", "Ferox Transporter"});
  test.placeUnits(terra, 0, {"Dreibein Pirscher", "Seelenjaeger"}, 3);
  test.addMarch(0, "Marschbefehl: nach Luna", "Hauptplanet Terra (Heimatplanet)", "Hauptplanet Luna", 6,
                {"Stabseinheit mit Tribun", "Kadrischer Sturmtrupp"});
  test.addMarch(0, "Angriffsbefehl: nach Kappa", "Hauptplanet Luna", "Aussenposten Kappa", 6, {"Raketenwerfertrupps"});
  // Not counted: units in a free march record and at a location not in use.
  test.state->marschliste[0][5].units[0] = "Granatwerfertrupps";
  test.state->planetenliste[50].troops[0][0][0] = "Kadrischer Sturmtrupp";
  // Cara: two at Nebel around an emptied slot, one standing at Terra.
  test.placeUnits(nebel, 2, {"Morgathen Fuerst", "Morgathen Trupp", "Morgathen Trupp"});
  locations[nebel].troops[3][2].clear(1);
  test.placeUnits(terra, 2, {"Klingenschwarm"});
  // The rebels: garrisons of two races at Kappa.
  test.placeUnits(kappa, kRebelFaction, {"Brukka Horde", "Brukka Horde"}, 4);
  test.placeUnits(kappa, kRebelFaction, {"Valkaren Trupp"}, 1);

  showFinalCount(test.game);
  EXPECT_EQ(test.console.currentScreen(),
            "Schlussstand der Kampagne\n"
            "-------------------------\n"
            "\n"
            "Anna (Kadrische Legion)\n"
            "  Hauptplaneten: Terra (Heimatplanet), Luna\n"
            "  Aussenposten: Mond\n"
            "  Befestigungsstufen zusammen: 6\n"
            "  Einheiten: 5 stationiert, 3 auf dem Marsch\n"
            "  Credits: 830\n"
            "\n"
            "Cara (Morgathen)\n"
            "  Hauptplaneten: Nebel (Heimatplanet)\n"
            "  Aussenposten: - keine -\n"
            "  Befestigungsstufen zusammen: 3\n"
            "  Einheiten: 3 stationiert, 0 auf dem Marsch\n"
            "  Credits: 1205\n"
            "\n"
            "Rebellen\n"
            "  Hauptplaneten: Festung\n"
            "  Aussenposten: Kappa, Sumpf\n"
            "  Befestigungsstufen zusammen: 2\n"
            "  Einheiten: 3 stationiert, 0 auf dem Marsch\n"
            "\n"
            "Druecken Sie eine beliebige Taste . . .\n");
  EXPECT_EQ(test.console.clearCount(), 1);
  EXPECT_EQ(test.files.files["chronik.log"],
            "Schlussstand: Anna (Kadrische Legion): Hauptplaneten 2, Aussenposten 1, Befestigungsstufen 6, "
            "Einheiten 8, Credits 830.\n"
            "Schlussstand: Cara (Morgathen): Hauptplaneten 1, Aussenposten 0, Befestigungsstufen 3, Einheiten 3, "
            "Credits 1205.\n"
            "Schlussstand: Rebellen: Hauptplaneten 1, Aussenposten 2, Befestigungsstufen 2, Einheiten 3.\n");
}

}  // namespace
}  // namespace vaskorath::testing
