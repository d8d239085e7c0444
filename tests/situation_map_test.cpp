// The situation map: what it shows of each location and faction, the grid it spans, the battle
// markers, names of any text, what it keeps secret, and the files it is written to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/situation_map.h"
#include "state/unit_catalogue.h"
#include "svg_test_support.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";

// Anna (Kadrische Legion) and Bert (Brukkas) with the rebels, in round 3 of 8.
struct MapGame : TestGame {
  MapGame() {
    addPlayer(0, "Anna");
    addPlayer(1, "Bert", "Brukkas");
    addRebels();
    state->runde = 3;
    state->endrunde = 8;
  }
};

std::vector<std::string> labels(int first, int last) {
  std::vector<std::string> texts;
  for (int number = first; number <= last; ++number) {
    texts.push_back(std::string(1, static_cast<char>('0' + number / 10)) + static_cast<char>('0' + number % 10));
  }
  return texts;
}

TEST(SituationMap, ShowsEveryLocationWithItsOwnerAndTheFactionsInPlayerOrder) {
  MapGame test;
  test.addLocation("Terra (Heimatplanet)", "Anna", kKindMainPlanet, 101);
  test.addLocation("Mond", "Anna", kKindOutpost, 102);
  test.addLocation("Funke", "Rebellen", kKindOutpost, 103);
  test.addLocation("Geist", "Zora", kKindMainPlanet, 104);  // an owner that is no faction in play
  test.addLocation("Fels (Heimatplanet)", "Bert", kKindMainPlanet, 105);
  test.state->planetenliste[0].fortificationLevel = 3;
  test.state->planetenliste[1].fortificationLevel = 0;
  test.state->planetenliste[4].fortificationLevel = 7;
  const std::string map = drawSituationMap(*test.state, BattleMarkers::kOfTheRound);

  EXPECT_TRUE(map.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\""));
  EXPECT_NE(map.find("font-family=\"sans-serif\">\n<title>Lagekarte - Runde 3 von 8</title>\n"), std::string::npos);
  const std::vector<SvgGroup> locations = groupsOfClass(map, "ort");
  ASSERT_EQ(locations.size(), 5u);
  const std::map<std::string, std::string> terra = {{"class", "ort"},
                                                    {"data-name", "Terra (Heimatplanet)"},
                                                    {"data-art", "Hauptplanet"},
                                                    {"data-besitzer", "Anna"},
                                                    {"data-koordinaten", "101"},
                                                    {"data-befestigung", "3"}};
  EXPECT_EQ(locations[0].attributes, terra);
  EXPECT_EQ(locations[1].attributes.at("data-art"), "Aussenposten");
  EXPECT_EQ(locations[1].attributes.at("data-befestigung"), "0");
  EXPECT_EQ(locations[3].attributes.at("data-besitzer"), "Zora");
  EXPECT_EQ(locations[4].attributes.at("data-name"), "Fels (Heimatplanet)");
  EXPECT_TRUE(locations[0].body.starts_with(
      "\n<title>Hauptplanet Terra (Heimatplanet), Besitzer: Anna, Koordinate: 101, Befestigungsstufe: 3</title>"));

  // The owner's colour: players 1 and 2, grey for the rebels, white and dashed for nobody in play.
  EXPECT_NE(locations[0].body.find("fill=\"#E69F00\""), std::string::npos);
  EXPECT_NE(locations[1].body.find("<rect"), std::string::npos);
  EXPECT_NE(locations[2].body.find("fill=\"#999999\""), std::string::npos);
  EXPECT_NE(locations[3].body.find("fill=\"#FFFFFF\" stroke=\"#000000\" stroke-width=\"1.5\" stroke-dasharray"),
            std::string::npos);
  EXPECT_NE(locations[4].body.find("fill=\"#56B4E9\""), std::string::npos);
  // A ring around each home planet; three pips (all filled at 3, none at 0), a number above 3.
  EXPECT_EQ(countOccurrences(locations[0].body, "fill=\"none\""), 1);
  EXPECT_EQ(countOccurrences(locations[3].body, "fill=\"none\""), 0);
  EXPECT_EQ(countOccurrences(locations[0].body, "r=\"4\" fill=\"#000000\""), 3);
  EXPECT_EQ(countOccurrences(locations[1].body, "r=\"4\" fill=\"#FFFFFF\""), 3);
  EXPECT_NE(locations[4].body.find(">7</text>"), std::string::npos);
  EXPECT_EQ(countOccurrences(locations[4].body, "r=\"4\""), 0);

  const std::vector<SvgGroup> factions = groupsOfClass(map, "partei");
  ASSERT_EQ(factions.size(), 3u);
  const std::map<std::string, std::string> anna = {{"class", "partei"},
                                                   {"data-name", "Anna"},
                                                   {"data-rasse", "Kadrische Legion"},
                                                   {"data-hauptplaneten", "1"},
                                                   {"data-aussenposten", "1"}};
  EXPECT_EQ(factions[0].attributes, anna);
  EXPECT_NE(factions[0].body.find(">Anna (Kadrische Legion): Hauptplaneten 1, Aussenposten 1</text>"),
            std::string::npos);
  EXPECT_EQ(factions[1].attributes.at("data-name"), "Bert");
  EXPECT_EQ(factions[1].attributes.at("data-hauptplaneten"), "1");
  EXPECT_EQ(factions[1].attributes.at("data-aussenposten"), "0");
  EXPECT_EQ(factions[2].attributes.at("data-rasse"), "Rebellen");
  EXPECT_NE(factions[2].body.find(">Rebellen: Hauptplaneten 0, Aussenposten 1</text>"), std::string::npos);
}

TEST(SituationMap, TheGridSpansTheLocationsWithAMarginOfOneAndTenToAHundredCells) {
  struct Case {
    std::vector<int> coordinates;
    int firstColumn, lastColumn, firstRow, lastRow;
  };
  // Columns are the first two digits, rows the last two.
  const std::vector<Case> cases = {
      {{2030, 4060}, 19, 41, 29, 61},
      {{101}, 0, 9, 0, 9},      // widened to ten cells from the lower edge
      {{9905}, 90, 99, 0, 9},   // widened towards the middle at the upper edge
      {{0, 9999}, 0, 99, 0, 99},
      {{-5, 123456}, 0, 9, 0, 9},  // no valid coordinate at all
  };
  for (const Case& example : cases) {
    SCOPED_TRACE(example.coordinates.front());
    MapGame test;
    for (int coordinates : example.coordinates) test.addLocation("Ort", "Anna", kKindOutpost, coordinates);
    const std::string map = drawSituationMap(*test.state, BattleMarkers::kOfTheRound);
    EXPECT_EQ(textsOfClass(map, "spalte"), labels(example.firstColumn, example.lastColumn));
    EXPECT_EQ(textsOfClass(map, "zeile"), labels(example.firstRow, example.lastRow));
    EXPECT_EQ(groupsOfClass(map, "ort").size(), example.coordinates.size());
  }

  // Outside 0 to 9999 a location stands in a row of its own under the grid, with its number.
  MapGame offGrid;
  offGrid.addLocation("Alt", "Anna", kKindMainPlanet, -5);
  offGrid.addLocation("Neu", "Bert", kKindMainPlanet, 505);
  const std::string map = drawSituationMap(*offGrid.state, BattleMarkers::kOfTheRound);
  EXPECT_NE(map.find(">Ohne gueltige Koordinate</text>"), std::string::npos);
  EXPECT_EQ(groupsOfClass(map, "ort")[0].attributes.at("data-koordinaten"), "-5");
  EXPECT_EQ(drawSituationMap(*MapGame().state, BattleMarkers::kOfTheRound).find("Ohne gueltige"), std::string::npos);
}

TEST(SituationMap, MarksEachBattleOfTheRoundAtItsLocationButNoneAtTheEnd) {
  MapGame test;
  test.addLocation("Terra (Heimatplanet)", "Anna", kKindMainPlanet, 101);
  test.addLocation("Funke", "Rebellen", kKindOutpost, 103);
  // Detected in the rows of the attackers; the attack on Terra was typed without the suffix.
  test.state->eventslist[1][0] = {1, "1  Gefecht auf Hauptplanet Terra", false, "Hauptplanet ", "Terra"};
  test.state->eventslist[0][1] = {2, "2  Gefecht auf Aussenposten Funke <-- Gefecht durchgefuehrt", true,
                                  "Aussenposten ", "Funke"};
  const std::vector<SvgGroup> battles =
      groupsOfClass(drawSituationMap(*test.state, BattleMarkers::kOfTheRound), "gefecht");
  ASSERT_EQ(battles.size(), 2u);
  EXPECT_EQ(battles[0].attributes.at("data-ort"), "Funke");
  EXPECT_EQ(battles[0].attributes.at("data-nummer"), "2");
  EXPECT_EQ(battles[1].attributes.at("data-ort"), "Terra (Heimatplanet)");
  EXPECT_EQ(battles[1].attributes.at("data-nummer"), "1");
  EXPECT_NE(battles[1].body.find(">1</text>"), std::string::npos);
  EXPECT_TRUE(groupsOfClass(drawSituationMap(*test.state, BattleMarkers::kNone), "gefecht").empty());
}

TEST(SituationMap, NamesOfAnyTextGiveWellFormedMarkup) {
  MapGame test;
  test.addPlayer(2, "<Cara>", "Xelthar-Bund");
  test.addLocation("A&B \"C\" 'D' M\xFChle\x01\x1f\t", "<Cara>", kKindMainPlanet, 101);
  const std::string map = drawSituationMap(*test.state, BattleMarkers::kOfTheRound);
  EXPECT_NE(map.find("data-name=\"A&amp;B &quot;C&quot; &#39;D&#39; M&#252;hle&#9;\""), std::string::npos);
  EXPECT_NE(map.find("data-besitzer=\"&lt;Cara&gt;\""), std::string::npos);
  EXPECT_EQ(groupsOfClass(map, "ort")[0].attributes.at("data-name"), "A&B \"C\" 'D' M\xFChle\t");
  EXPECT_EQ(groupsOfClass(map, "partei")[2].attributes.at("data-name"), "<Cara>");
  // Plain ASCII without control characters but the line ends between elements.
  for (const char c : map) {
    const auto code = static_cast<unsigned char>(c);
    EXPECT_TRUE(code == '\n' || (code >= 0x20 && code < 0x7f)) << static_cast<int>(code);
  }
}

TEST(SituationMap, ShowsNothingOfTroopsMarchesProductionSpiesCreditsOrMessages) {
  MapGame test;
  const int terra = test.addLocation("Terra (Heimatplanet)", "Anna", kKindMainPlanet, 101);
  const int fels = test.addLocation("Fels (Heimatplanet)", "Bert", kKindMainPlanet, 105);
  test.addLocation("Funke", "Rebellen", kKindOutpost, 103);
  // A unit of every race at Terra, in the rows of several factions.
  for (int race = 0; race < kRaceCount; ++race) {
    for (int slot = 0; slot < kUnitSlots; ++slot) {
      const std::string_view unit = preisliste.unit(race, slot).unitName;
      if (!unit.empty()) test.placeUnits(terra, slot % kFactionCount, {unit}, race);
    }
  }
  test.setProduction(fels, 4, "Munischlepper", 6);
  test.setProduction(terra, 0, "Befestigungsausbau", 4);
  test.addMarch(1, "Angriffsbefehl: Folgende Truppen bewegen sich von Hauptplanet Fels nach Hauptplanet Terra "
                   "(Ankunft in Runde 5).",
                "Hauptplanet Fels", "Hauptplanet Terra", 5, {"Brukka Horde"})
      .reportText = "Geheimer Bericht";
  test.state->spielerliste[0].credits = 98765;
  test.state->spielerliste[1].credits = 43210;
  test.state->spielerliste[0].agents = {4321, 17, 0, 0, 0, 23};
  test.state->spielernachrichten[1][0] = "Von Anna: Treffen um Mitternacht";
  test.state->spionageliste[0].locationReports[1].header = "Zu Hauptplanet Fels konnten folgende Informationen";
  test.state->spionageliste[0].marchReports[0].detailedText = "Spieler: Bert   Herkunft: Hauptplanet Fels";
  test.state->soeldnerliste[0][0] = {"Seelenjaeger", 3690, 2, true};
  test.state->eventslist[1][0] = {1, "1  Gefecht auf Hauptplanet Terra", false, "Hauptplanet ", "Terra"};

  for (BattleMarkers battles : {BattleMarkers::kOfTheRound, BattleMarkers::kNone}) {
    const std::string map = drawSituationMap(*test.state, battles);
    for (int race = 0; race < kRaceCount; ++race) {
      for (int slot = 0; slot < kUnitSlots; ++slot) {
        const std::string_view unit = preisliste.unit(race, slot).unitName;
        if (unit.empty()) continue;
        EXPECT_EQ(map.find(unit), std::string::npos) << unit;
      }
    }
    for (const char* secret : {"98765", "43210", "4321", "3690", "Befehl", "Ankunft", "Geheimer", "Mitternacht",
                               "Informationen", "Herkunft", "Befestigungsausbau"}) {
      EXPECT_EQ(map.find(secret), std::string::npos) << secret;
    }
  }
}

TEST(SituationMap, IsWrittenAsTheCurrentMapAndAsTheMapOfTheRoundInItsFolder) {
  MapGame test;
  test.addLocation("Terra (Heimatplanet)", "Anna", kKindMainPlanet, 101);
  test.state->eventslist[0][0] = {1, "1  Gefecht auf Hauptplanet Terra", true, "Hauptplanet ", "Terra"};
  writeSituationMap(test.game);
  EXPECT_TRUE(test.files.folders.contains("lagekarten"));
  ASSERT_TRUE(test.files.files.contains("lagekarte.svg"));
  EXPECT_EQ(test.files.files["lagekarten/runde-3.svg"], test.files.files["lagekarte.svg"]);
  EXPECT_EQ(groupsOfClass(test.files.files["lagekarte.svg"], "gefecht").size(), 1u);
  EXPECT_TRUE(test.files.listSaveFiles().empty());  // never offered as a save

  // A later map of the same round replaces both; the one of the end marks no battle.
  test.state->endrunde = 3;
  writeFinalSituationMap(test.game);
  EXPECT_EQ(test.files.files.size(), 2u);
  EXPECT_EQ(test.files.files["lagekarten/runde-3.svg"], test.files.files["lagekarte.svg"]);
  EXPECT_NE(test.files.files["lagekarte.svg"].find("<title>Lagekarte - Runde 3 von 3</title>"), std::string::npos);
  EXPECT_TRUE(groupsOfClass(test.files.files["lagekarte.svg"], "gefecht").empty());
  EXPECT_EQ(test.console.output(), "");
}

TEST(SituationMap, AMapThatCannotBeWrittenWarnsOnceAndTheOtherIsStillWritten) {
  MapGame test;
  test.files.files["lagekarten"] = "eine Datei, kein Ordner";
  writeSituationMap(test.game);
  EXPECT_EQ(test.console.currentScreen(),
            "Warnung: Die Lagekarte lagekarten/runde-3.svg kann nicht geschrieben werden (an dieser Stelle steht kein "
            "Verzeichnis). Das Spiel geht weiter; weitere Fehler beim Schreiben der Lagekarte werden nicht "
            "gemeldet.\n\n" +
                kPause);
  EXPECT_TRUE(test.files.files.contains("lagekarte.svg"));

  // Later failures, of either file, pass without a word; the campaign is not touched.
  test.console.clearOutput();
  test.files.files.erase("lagekarte.svg");
  test.files.folders.insert("lagekarte.svg");
  ++test.state->runde;
  writeSituationMap(test.game);
  EXPECT_EQ(test.console.output(), "");
  EXPECT_EQ(test.console.pauseCount(), 1);

  MapGame folderInTheWay;
  folderInTheWay.files.folders.insert("lagekarte.svg");
  writeSituationMap(folderInTheWay.game);
  EXPECT_EQ(folderInTheWay.console.currentScreen(),
            "Warnung: Die Lagekarte lagekarte.svg kann nicht geschrieben werden (an dieser Stelle steht ein "
            "Verzeichnis). Das Spiel geht weiter; weitere Fehler beim Schreiben der Lagekarte werden nicht "
            "gemeldet.\n\n" +
                kPause);
  EXPECT_TRUE(folderInTheWay.files.files.contains("lagekarten/runde-3.svg"));
}

}  // namespace
}  // namespace vaskorath::testing
