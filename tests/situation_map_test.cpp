// The situation map: what it shows of each location and faction, the grid it spans, the battle
// markers, what it keeps secret, and the two files it is written to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/situation_map.h"
#include "state/unit_catalogue.h"
#include "svg_test_support.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

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

TEST(SituationMap, ShowsEveryLocationInItsOwnersColourAndTheFactionsInPlayerOrder) {
  MapGame test;
  test.addLocation("Terra (Heimatplanet)", "Anna", kKindMainPlanet, 101);
  test.addLocation("Mond", "Anna", kKindOutpost, 102);
  test.addLocation("Funke", "Rebellen", kKindOutpost, 103);
  test.addLocation("Geist", "Zora", kKindMainPlanet, 104);  // an owner that is no faction in play
  test.addLocation("Fels", "Bert", kKindMainPlanet, 105);
  test.state->planetenliste[0].fortificationLevel = 3;
  test.state->planetenliste[1].fortificationLevel = 0;
  test.state->planetenliste[4].fortificationLevel = 7;
  const std::string map = drawSituationMap(*test.state, BattleMarkers::kOfTheRound);
  EXPECT_NE(map.find("\">\n<title>Lagekarte - Runde 3 von 8</title>\n"), std::string::npos);

  const std::vector<SvgGroup> locations = groupsOfClass(map, "ort");
  ASSERT_EQ(locations.size(), 5u);
  EXPECT_EQ(locations[0].attributes,
            (std::map<std::string, std::string>{{"class", "ort"},
                                                {"data-name", "Terra (Heimatplanet)"},
                                                {"data-art", "Hauptplanet"},
                                                {"data-besitzer", "Anna"},
                                                {"data-koordinaten", "101"},
                                                {"data-befestigung", "3"}}));
  EXPECT_EQ(locations[1].attributes.at("data-art"), "Aussenposten");
  EXPECT_TRUE(locations[0].body.starts_with(
      "\n<title>Hauptplanet Terra (Heimatplanet), Besitzer: Anna, Koordinate: 101, Befestigungsstufe: 3</title>"));
  // Players 1 and 2 in their colours, the rebels grey, an owner out of play white and dashed.
  const std::vector<std::string> fills = {"#E69F00", "#E69F00", "#999999", "#FFFFFF\" stroke=\"#000000\" "
                                          "stroke-width=\"1.5\" stroke-dasharray", "#56B4E9"};
  for (std::size_t index = 0; index < fills.size(); ++index) {
    EXPECT_NE(locations[index].body.find("fill=\"" + fills[index]), std::string::npos) << index;
  }
  // The home planet's ring; three pips filled up to the level; a level above 3 as its number.
  EXPECT_EQ(countOccurrences(locations[0].body, "fill=\"none\""), 1);
  EXPECT_EQ(countOccurrences(locations[0].body, "r=\"4\" fill=\"#000000\""), 3);
  EXPECT_EQ(countOccurrences(locations[1].body, "r=\"4\" fill=\"#FFFFFF\""), 3);
  EXPECT_NE(locations[4].body.find(">7</text>"), std::string::npos);

  const std::vector<SvgGroup> factions = groupsOfClass(map, "partei");
  ASSERT_EQ(factions.size(), 3u);
  EXPECT_EQ(factions[0].attributes,
            (std::map<std::string, std::string>{{"class", "partei"},
                                                {"data-name", "Anna"},
                                                {"data-rasse", "Kadrische Legion"},
                                                {"data-hauptplaneten", "1"},
                                                {"data-aussenposten", "1"}}));
  EXPECT_NE(factions[0].body.find(">Anna (Kadrische Legion): Hauptplaneten 1, Aussenposten 1</text>"),
            std::string::npos);
  EXPECT_NE(factions[2].body.find(">Rebellen: Hauptplaneten 0, Aussenposten 1</text>"), std::string::npos);
}

TEST(SituationMap, TheGridSpansTheLocationsWithAMarginOfOneAndTenToAHundredCells) {
  struct Case {
    std::vector<int> coordinates;
    int firstColumn, lastColumn, firstRow, lastRow;
  };
  // Columns are the first two digits, rows the last two.
  const std::vector<Case> cases = {
      {{2030, 4060}, 19, 41, 29, 61}, {{101}, 0, 9, 0, 9},        {{9905}, 90, 99, 0, 9},
      {{0, 9999}, 0, 99, 0, 99},      {{-5, 123456}, 0, 9, 0, 9},  // none on the grid
  };
  for (const Case& example : cases) {
    SCOPED_TRACE(example.coordinates.front());
    MapGame test;
    for (int coordinates : example.coordinates) test.addLocation("Ort", "Anna", kKindOutpost, coordinates);
    const std::string map = drawSituationMap(*test.state, BattleMarkers::kOfTheRound);
    const std::vector<std::string> columns = textsOfClass(map, "spalte");
    const std::vector<std::string> rows = textsOfClass(map, "zeile");
    ASSERT_EQ(columns.size(), static_cast<std::size_t>(example.lastColumn - example.firstColumn + 1));
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(example.lastRow - example.firstRow + 1));
    EXPECT_EQ(std::stoi(columns.front()), example.firstColumn);
    EXPECT_EQ(std::stoi(rows.back()), example.lastRow);
    EXPECT_EQ(groupsOfClass(map, "ort").size(), example.coordinates.size());
  }
}

TEST(SituationMap, BothFilesMarkTheBattlesOfTheRoundAndTheMapOfTheEndMarksNone) {
  MapGame test;
  test.addLocation("Terra (Heimatplanet)", "Anna", kKindMainPlanet, 101);
  test.addLocation("Funke", "Rebellen", kKindOutpost, 103);
  // In the rows of the attackers; the attack on Terra was typed without the suffix.
  test.state->eventslist[1][0] = {1, "1  Gefecht auf Hauptplanet Terra", false, "Hauptplanet ", "Terra"};
  test.state->eventslist[0][1] = {2, "2  Gefecht auf Aussenposten Funke", true, "Aussenposten ", "Funke"};
  writeSituationMap(test.game);
  const std::string& map = test.files.files["lagekarte.svg"];
  EXPECT_EQ(test.files.files["lagekarten/runde-3.svg"], map);
  const std::vector<SvgGroup> battles = groupsOfClass(map, "gefecht");
  ASSERT_EQ(battles.size(), 2u);
  EXPECT_EQ(battles[0].attributes.at("data-ort"), "Funke");
  EXPECT_EQ(battles[0].attributes.at("data-nummer"), "2");
  EXPECT_EQ(battles[1].attributes.at("data-ort"), "Terra (Heimatplanet)");
  EXPECT_NE(battles[1].body.find(">1</text>"), std::string::npos);
  EXPECT_TRUE(test.files.listSaveFiles().empty());  // never offered as a save

  test.state->runde = 8;
  writeFinalSituationMap(test.game);
  EXPECT_EQ(test.files.files["lagekarten/runde-8.svg"], map);
  EXPECT_TRUE(groupsOfClass(map, "gefecht").empty());
  EXPECT_EQ(test.files.files.size(), 3u);
  EXPECT_EQ(test.console.output(), "");
}

TEST(SituationMap, ShowsNothingOfTroopsMarchesProductionSpiesCreditsOrMessages) {
  MapGame test;
  const int terra = test.addLocation("Terra (Heimatplanet)", "Anna", kKindMainPlanet, 101);
  test.addLocation("Fels (Heimatplanet)", "Bert", kKindMainPlanet, 105);
  // Every unit of every race at Terra, in the rows of all factions.
  for (int race = 0; race < kRaceCount; ++race) {
    for (int slot = 0; slot < kUnitSlots; ++slot) {
      test.placeUnits(terra, slot % kFactionCount, {preisliste.unit(race, slot).unitName}, race);
    }
  }
  test.setProduction(terra, 0, "Befestigungsausbau", 4);
  test.addMarch(1, "Angriffsbefehl: nach Terra", "Hauptplanet Fels", "Hauptplanet Terra", 5, {"Brukka Horde"})
      .reportText = "Geheimer Bericht";
  test.state->spielerliste[0].credits = 98765;
  test.state->spielerliste[0].agents = {4321, 17, 0, 0, 0, 23};
  test.state->spielernachrichten[1][0] = "Von Anna: Treffen um Mitternacht";
  test.state->spionageliste[0].locationReports[1].header = "Zu Hauptplanet Fels konnten folgende Informationen";
  test.state->soeldnerliste[0][0] = {"Seelenjaeger", 3690, 2, true};
  test.state->eventslist[1][0] = {1, "1  Gefecht auf Hauptplanet Terra", false, "Hauptplanet ", "Terra"};

  std::vector<std::string_view> secrets = {"98765", "4321", "3690", "Befehl", "Geheimer", "Mitternacht",
                                           "Informationen", "Befestigungsausbau"};
  for (const auto& units : preisliste.units) {
    for (const UnitType& unit : units) {
      if (!unit.unitName.empty()) secrets.push_back(unit.unitName);
    }
  }
  const std::string map = drawSituationMap(*test.state, BattleMarkers::kOfTheRound);
  for (std::string_view secret : secrets) EXPECT_EQ(map.find(secret), std::string::npos) << secret;
}

}  // namespace
}  // namespace vaskorath::testing
