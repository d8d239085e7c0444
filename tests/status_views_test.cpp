// Status views: the star map, the planets and outposts list with its name column, and the own troops.
#include <gtest/gtest.h>

#include "flow/status_views.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

std::string spaces(int count) { return std::string(count, ' '); }

TEST(StarMap, OpensKarteJpgAndReturnsAtOnce) {
  TestGame test;
  test.files.files["karte.jpg"] = "jpeg";
  showStarMap(test.game);
  EXPECT_EQ(test.files.openedInViewer, std::vector<std::string>{"karte.jpg"});
  EXPECT_EQ(test.console.output(), "");
  EXPECT_EQ(test.console.pauseCount(), 0);
}

TEST(StarMap, SaysWhenThePictureIsMissingOrNoViewerStarts) {
  TestGame missing;
  showStarMap(missing.game);
  EXPECT_TRUE(missing.files.openedInViewer.empty());
  EXPECT_EQ(missing.console.currentScreen(),
            "Die Sternenkarte karte.jpg wurde im Spielverzeichnis nicht gefunden.\n\n"
            "Druecken Sie eine beliebige Taste . . .\n");

  TestGame noViewer;
  noViewer.files.files["karte.jpg"] = "jpeg";
  noViewer.files.viewerAvailable = false;
  showStarMap(noViewer.game);
  EXPECT_EQ(noViewer.console.currentScreen(),
            "Die Sternenkarte karte.jpg konnte nicht geoeffnet werden: kein Bildbetrachter gefunden.\n\n"
            "Druecken Sie eine beliebige Taste . . .\n");
}

TEST(StarMap, WithoutKarteJpgOpensTheSituationMapAndSaysSoWhenNoViewerStarts) {
  TestGame test;
  test.files.files["lagekarte.svg"] = "<svg/>";
  showStarMap(test.game);
  test.files.files["karte.jpg"] = "jpeg";  // the group's own star map comes first
  showStarMap(test.game);
  EXPECT_EQ(test.files.openedInViewer, (std::vector<std::string>{"lagekarte.svg", "karte.jpg"}));
  EXPECT_EQ(test.console.output(), "");

  test.files.files.erase("karte.jpg");
  test.files.viewerAvailable = false;
  showStarMap(test.game);
  EXPECT_EQ(test.console.currentScreen(),
            "Die Lagekarte lagekarte.svg konnte nicht geoeffnet werden: kein Bildbetrachter gefunden.\n\n"
            "Druecken Sie eine beliebige Taste . . .\n");
}

TEST(PlanetsView, ListsMainPlanetsBeforeOutpostsWithTheNameColumnFilledToTwentyFive) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(2, "Cara", "Brukkas");  // player 2's slot stays empty and is skipped
  test.addRebels();
  const std::string name24 = "Vierundzwanzig-Zeichen-x";
  const std::string name25 = "Fuenfundzwanzig-Zeichen-x";
  const std::string name26 = "Sechsundzwanzig-Zeichen-xy";
  ASSERT_EQ(name24.size(), 24u);
  ASSERT_EQ(name25.size(), 25u);
  ASSERT_EQ(name26.size(), 26u);
  test.addLocation("Mond", "Anna", kKindOutpost, 103);
  const int terra = test.addLocation("Terra (Heimatplanet)", "Anna", kKindMainPlanet, 101);
  test.state->planetenliste[terra].fortificationLevel = 3;
  test.addLocation(name25, "Cara", kKindOutpost, 9999);
  test.addLocation(name24, "Cara", kKindMainPlanet, 7);
  test.addLocation(name26, "Cara", kKindMainPlanet, 0);
  const int hort = test.addLocation("Hort", "Rebellen", kKindOutpost, 5);
  test.state->planetenliste[hort].rebelRace = "Morgathen";
  const int festung = test.addLocation("Festung", "Rebellen", kKindMainPlanet, 6);
  test.state->planetenliste[festung].rebelRace = "Valkaren";
  test.state->planetenliste[festung].fortificationLevel = 2;
  test.addLocation("Verlassen", "Bert", kKindMainPlanet, 8);  // owner not in play: listed nowhere

  showPlanetsAndOutposts(test.game);
  EXPECT_EQ(
      test.console.currentScreen(),
      "2 Planeten und Aussenposten\n"
      "---------------------------\n"
      "\n"
      "Planeten und Aussenposten von Anna:\n"
      "--------------------------------------------------\n"
      "Hauptplanet Terra (Heimatplanet)       Koordinate 101           Befestigungsstufe 3\n"
      "Aussenposten Mond                      Koordinate 103           Befestigungsstufe 1\n"
      "\n"
      "\n"
      "Planeten und Aussenposten von Cara:\n"
      "--------------------------------------------------\n"
      "Hauptplanet Vierundzwanzig-Zeichen-x   Koordinate 7           Befestigungsstufe 1\n"
      "Hauptplanet Sechsundzwanzig-Zeichen-xy  Koordinate 0           Befestigungsstufe 1\n"
      "Aussenposten Fuenfundzwanzig-Zeichen-x Koordinate 9999           Befestigungsstufe 1\n"
      "\n"
      "\n"
      "Planeten und Aussenposten von Rebellen:\n"
      "--------------------------------------------------\n"
      "Hauptplanet Festung                    Koordinate 6           Befestigungsstufe 2      (Valkaren)\n"
      "Aussenposten Hort                      Koordinate 5           Befestigungsstufe 1      (Morgathen)\n"
      "\n"
      "\n"
      "Druecken Sie eine beliebige Taste . . .\n");
}

TEST(PlanetsView, NamesWithUmlautsFillTheColumnByTheCharactersShown) {
  TestGame test;
  test.addPlayer(0, "Anna");
  const std::string suedstern = "S\xc3\xbc" "dstern";  // UTF-8: 9 bytes, 8 characters
  const std::string gruen = "Gr\xc3\xbcn";              // UTF-8: 5 bytes, 4 characters
  const std::string latin1 = "Gr\xfcn (alt)";           // no valid UTF-8: its 10 bytes count
  test.addLocation(suedstern, "Anna", kKindMainPlanet, 101);
  test.addLocation(gruen, "Anna", kKindOutpost, 102);
  test.addLocation(latin1, "Anna", kKindOutpost, 103);
  showPlanetsAndOutposts(test.game);
  EXPECT_NE(test.console.currentScreen().find(
                "Hauptplanet " + suedstern + spaces(2 + 17) + "Koordinate 101           Befestigungsstufe 1\n"
                "Aussenposten " + gruen + spaces(1 + 21) + "Koordinate 102           Befestigungsstufe 1\n"
                "Aussenposten " + latin1 + spaces(1 + 15) + "Koordinate 103           Befestigungsstufe 1\n"),
            std::string::npos);
}

TEST(PlanetsView, LeavesOutTheRebelsWhenThereAreNone) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addLocation("Terra", "Anna");
  showPlanetsAndOutposts(test.game);
  EXPECT_EQ(countOccurrences(test.console.output(), "Planeten und Aussenposten von "), 2);
  EXPECT_NE(test.console.output().find("Planeten und Aussenposten von Bert:\n"
                                       "--------------------------------------------------\n"
                                       "\n\n"
                                       "Druecken Sie"),
            std::string::npos);
}

TEST(OwnTroopsView, ListsTheUnitsOfEachOwnLocationAndTheMarchesWithTheirRemainingRounds) {
  TestGame test;
  test.addPlayer(0, "Anna", "Valkaren");
  test.addPlayer(1, "Bert");
  test.state->runde = 5;
  const int terra = test.addLocation("Terra (Heimatplanet)", "Anna");
  TroopList& annas = test.state->planetenliste[terra].troops[1][0];
  annas.set(0, "Kampfautomat Torvin");
  annas.set(2, "Valkaren Trupp");                                             // behind a hole
  test.state->planetenliste[terra].troops[1][5].set(0, "Valkaren Trupp");     // the rebels' unit: not Anna's
  test.state->planetenliste[terra].troops[0][0].set(0, "Ferox Transporter");  // another race: not listed
  test.addLocation("Gaia", "Bert");
  test.addLocation("Mond", "Anna", kKindOutpost);

  MarchRecord& arriving = test.state->marschliste[0][0];
  arriving.orderText = "Marschbefehl: Folgende Truppen marschieren von Terra nach Mond.";
  arriving.arrivalRound = 5;
  arriving.units.set(0, "Transporter Bastion");
  arriving.units.set(3, "Gleiterschwadron");
  MarchRecord& scouting = test.state->marschliste[0][1];
  scouting.orderText = "Erkundungsbefehl: Erkundung von Gaia.";
  scouting.arrivalRound = 8;
  scouting.units.set(0, "Gleiterschwadron");
  test.state->marschliste[1][0].orderText = "Angriffsbefehl: Berts Angriff";

  showOwnTroops(test.game, 0);
  EXPECT_EQ(test.console.currentScreen(),
            "3 Eigene Truppenteile\n"
            "---------------------\n"
            "\n"
            "Folgende Truppenteile befinden sich unter deinem Kommando:\n"
            "----------------------------------------------------------\n"
            "Hauptplanet Terra (Heimatplanet)\n"
            "  Kampfautomat Torvin\n"
            "  Valkaren Trupp\n"
            "\n"
            "Aussenposten Mond\n"
            "Keine Truppenteile vor Ort!\n"
            "\n"
            "Folgende Truppenteile befinden sich ausserdem auf dem Marsch:\n"
            "-------------------------------------------------------------\n"
            "Marschbefehl: Folgende Truppen marschieren von Terra nach Mond. Verbleibende Marschdauer: 0 "
            "Runde(n).\n"
            "Transporter Bastion\n"
            "Gleiterschwadron\n"
            "\n"
            "Erkundungsbefehl: Erkundung von Gaia. Verbleibende Marschdauer: 3 Runde(n).\n"
            "Gleiterschwadron\n"
            "\n"
            "\n"
            "Druecken Sie eine beliebige Taste . . .\n");
}

TEST(OwnTroopsView, SaysWhenNoTroopsAreOnTheMarch) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addLocation("Terra", "Anna");
  test.state->marschliste[1][0].orderText = "Marschbefehl: Berts Marsch";
  showOwnTroops(test.game, 0);
  EXPECT_EQ(test.console.currentScreen(),
            "3 Eigene Truppenteile\n"
            "---------------------\n"
            "\n"
            "Folgende Truppenteile befinden sich unter deinem Kommando:\n"
            "----------------------------------------------------------\n"
            "Hauptplanet Terra\n"
            "Keine Truppenteile vor Ort!\n"
            "\n"
            "Folgende Truppenteile befinden sich ausserdem auf dem Marsch:\n"
            "-------------------------------------------------------------\n"
            "Keine Truppenteile befinden sich auf dem Marsch!\n"
            "\n"
            "\n"
            "Druecken Sie eine beliebige Taste . . .\n");
}

}  // namespace
}  // namespace vaskorath::testing
