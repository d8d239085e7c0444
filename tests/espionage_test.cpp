// Espionage: the agents' fights of a round, the result blocks and the agents' findings.
#include <gtest/gtest.h>

#include "reports/espionage.h"
#include "reports/espionage_findings.h"
#include "reports/intel_database.h"
#include "reports/reconnaissance_results.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

void clearAllAgents(CampaignState& state) {
  for (FactionRecord& faction : state.spielerliste) faction.agents.fill(0);
}

int& agents(TestGame& test, int faction, int at) { return test.state->spielerliste[faction].agents[at]; }

TEST(EspionageResolution, EveryPassDrawsAndRollsAlsoAgainstTheOwnFaction) {
  TestGame test("", 8);
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  clearAllAgents(*test.state);
  agents(test, 0, 0) = 1;
  resolveEspionage(test.game);
  // Anna's one home-service agent watches six times (draw, roll, draw each); seed 8 rolls
  // (26881 + 9) % 10 = 0 against the rebels, which adds a draw but catches nobody. Then the same
  // agent's pass at home: 6 x 3 + 1 + 3 = 22 numbers, the counter ending at (24666 + 7) % 10 = 3.
  EXPECT_EQ(test.state->drawCounter, 3);
  Random expected(8);
  for (int used = 0; used < 22; ++used) expected.next();
  EXPECT_EQ(test.random.next(), expected.next());
  EXPECT_EQ(test.state->espionageResult, EspionageResult{});
}

TEST(EspionageResolution, HomeServiceCatchesSpiesAndNamesEachDefenderOnce) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addPlayer(2, "Cara");
  test.addPlayer(3, "Dora");
  clearAllAgents(*test.state);
  agents(test, 3, 3) = 30;
  agents(test, 0, 3) = 2;
  agents(test, 1, 3) = 1;
  agents(test, 0, 2) = 20;  // Cara keeps no home service: these spies can kill nobody
  agents(test, 4, 3) = 5;   // left behind by a player who has left the campaign (no name)
  agents(test, 5, 5) = 5;   // the rebels are not in this campaign
  // Seed 1: Dora's 30 x 6 watches catch both of Anna's spies and Bert's one, and nothing more.
  resolveEspionage(test.game);
  const EspionageResult& result = test.state->espionageResult;
  EXPECT_EQ(agents(test, 0, 3), 0);
  EXPECT_EQ(agents(test, 1, 3), 0);
  EXPECT_EQ(result.offagenttot[0], 2);
  EXPECT_EQ(result.offagenttot[1], 1);
  EXPECT_EQ(result.offagentkiller[0], "Dora");  // once, though two agents died there
  EXPECT_EQ(result.offagentkiller[1], "Dora");
  EXPECT_EQ(result.feindoffagentkill[3], 3);
  EXPECT_EQ(agents(test, 4, 3), 5);  // the nameless faction's spies neither die nor kill
  EXPECT_EQ(agents(test, 3, 3), 30);
  EXPECT_EQ(agents(test, 0, 2), 20);
  EXPECT_EQ(agents(test, 2, 2), 0);
  EXPECT_EQ(result.devagenttot, (std::array<int, kFactionCount>{}));
}

TEST(EspionageResolution, SpiesKillHomeAgentsDownToZeroAndNameEachVictimOnce) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addPlayer(2, "Cara");
  clearAllAgents(*test.state);
  agents(test, 1, 1) = 2;
  agents(test, 0, 1) = 30;
  agents(test, 2, 1) = 30;
  // Seed 1: Bert's two watch passes catch nobody; Anna's spies kill both home-service agents
  // before Cara's get a chance, and Cara's 30 then find nobody left to kill.
  resolveEspionage(test.game);
  const EspionageResult& result = test.state->espionageResult;
  EXPECT_EQ(agents(test, 1, 1), 0);
  EXPECT_EQ(result.devagenttot[1], 2);
  EXPECT_EQ(result.feinddevagentkill[0], 2);
  EXPECT_EQ(result.feinddevagentkill[2], 0);
  EXPECT_EQ(result.feinddevagentkillname[0], "Bert");
  EXPECT_EQ(result.devagentkiller[1], "Anna");
}

TEST(EspionageReport, PrintsEveryResultBlockInOrderAndCountsEachOnce) {
  TestGame test;
  test.addPlayer(0, "Anna");
  EspionageResult& result = test.state->espionageResult;
  result.feinddevagentkill[0] = 2;
  result.feinddevagentkillname[0] = "Bert, Cara";
  result.feindoffagentkill[0] = 1;
  result.offagenttot[0] = 3;
  result.offagentkiller[0] = "Dora, Rebellen";
  result.devagenttot[0] = 1;
  result.devagentkiller[0] = "Bert";
  EXPECT_EQ(reportEspionageFindings(test.game, 0), 3);
  EXPECT_EQ(test.console.output(),
            "Deine Agenten im Aussendienst haben Innendienstagenten folgender Spieler getoetet: Bert, Cara\n"
            "  Dieser bzw. diese Spieler werden nun alarmiert sein und vermutlich von deinen "
            "Spionageaktivitaeten wissen.\n"
            "Deine Agenten im Innendienst haben Feindagenten bei der Spionage erwischt und getoetet.\n"
            "  Die Identitaet und Herkunft dieser Feindagenten konnte nicht festgestellt werden, aber jemand "
            "versucht dich auszuspionieren!\n"
            "In eigenen Geheimdienstoperationen gab es Verluste von Agenten:\n"
            "  Aussendienst: 3 Tote(r) bei Spionageaktivitaeten gegen Dora, Rebellen\n"
            "  Innendienst: 1 Tote(r) bei vermuteten Spionageaktivitaeten von Bert\n");
}

TEST(EspionageFindings, LevelsAndChancesFollowTheAgentsAgainstTheHomeService) {
  // {agents abroad, home service, location bound, march level}
  const int table[][4] = {{5, 2, 4, 3}, {4, 2, 2, 2}, {3, 2, 2, 2}, {2, 2, 1, 1}, {1, 5, 1, 1},
                          {3, 0, 5, 4}, {1, 0, 5, 4}, {0, 0, 0, 0}, {0, 7, 0, 0}};
  for (const auto& row : table) {
    EXPECT_EQ(locationFindingBound(row[0], row[1]), row[2]) << row[0] << " against " << row[1];
    EXPECT_EQ(marchWatchLevel(row[0], row[1]), row[3]) << row[0] << " against " << row[1];
  }
  const int marchBounds[] = {0, 1, 2, 4, 5};
  for (int level = 0; level <= 4; ++level) EXPECT_EQ(marchFindingBound(level), marchBounds[level]);
}

TEST(EspionageFindings, AgentsRevealTroopsAndProductionOfTheFactionTheySpyOn) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert", "Valkaren");
  clearAllAgents(*test.state);
  agents(test, 0, 1) = 3;  // Bert keeps no home service: a chance of 5 in 10 per location
  agents(test, 0, 2) = 4;  // at a player who has left the campaign: nothing to find, no roll
  test.addLocation("Terra (Heimatplanet)", "Anna");
  const int gaia = test.addLocation("Gaia", "Bert");
  test.placeUnits(gaia, 1, {"Valkaren Trupp", "Gleiterschwadron"});
  test.state->runde = 6;
  LocationReport& report = test.state->spionageliste[0].locationReports[gaia];
  report.header =
      "Zu Hauptplanet Gaia konnten folgende Informationen gewonnen werden (letzter Bericht aus Runde 3):";
  report.productionText = "  Gleiterschwadron";  // finished since: Gaia builds nothing now
  report.productionDueRound = 8;
  report.expiryRound = 13;

  EXPECT_EQ(reportEspionageFindings(test.game, 0), 1);
  // Seed 1: (41 + 0) % 10 = 1 < 5 finds Gaia; draws 7 and (6334 + 7) % 10 = 1; (26500 + 1) % 10 = 1 < 5
  // finds the production too. Nothing else rolls: the next number is still the fifth.
  EXPECT_EQ(
      test.console.output(),
      "Deine Agenten konnten in Erfahrung bringen, welche Truppen sich auf Hauptplanet Gaia, kontrolliert "
      "von Bert, befinden (siehe Menuepunkt 4 - Gegnerische Truppenteile).\n"
      "Es konnte auch in Erfahrung gebracht werden, ob bzw. was derzeit dort produziert wird!\n");
  EXPECT_EQ(test.state->drawCounter, 1);
  EXPECT_EQ(test.random.next(), 19169);
  EXPECT_EQ(
      report.header,
      "Zu Hauptplanet Gaia konnten folgende Informationen gewonnen werden (letzter Bericht aus Runde 6):");
  EXPECT_EQ(report.troops[0], "  Valkaren Trupp");
  EXPECT_EQ(report.troops[1], "  Gleiterschwadron");
  EXPECT_EQ(report.expiryRound, 16);
  EXPECT_EQ(report.productionText, "  - keine Bauaktivitaeten -");
  EXPECT_EQ(report.productionDueRound, 0);  // not the older 8, which would announce a gone production
}

void putMarch(TestGame& test, int faction, int index, std::string origin, std::string destination,
              int arrival, std::initializer_list<std::string_view> units = {}) {
  MarchRecord& march = test.state->marschliste[faction][index];
  march.orderText =
      "Marschbefehl: Folgende Truppen bewegen sich von " + origin + " nach " + destination + ".";
  march.origin = std::move(origin);
  march.destination = std::move(destination);
  march.arrivalRound = arrival;
  for (std::string_view unit : units) addUnit(march.units, unit);
}

TEST(EspionageFindings, MarchesAreSightedByAgentsAbroadAndByTheHomeServiceWatch) {
  TestGame test("", 123);
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addPlayer(2, "Cara");
  clearAllAgents(*test.state);
  agents(test, 0, 0) = 1;
  agents(test, 0, 1) = 1;  // Bert keeps no home service: level 4, a chance of 5 in 10
  agents(test, 2, 2) = 5;  // Anna has no agents at Cara: only the home-service watch, level 1
  test.addLocation("Terra (Heimatplanet)", "Anna");
  test.state->runde = 6;
  putMarch(test, 1, 0, "Hauptplanet Gaia", "Hauptplanet Terra", 8);
  // Index 1 is a hole left by the round calculation; the march behind it is still watched.
  putMarch(test, 1, 2, "Hauptplanet Gaia", "Aussenposten Mond", 9, {"Valkaren Trupp", "Gleiterschwadron"});
  putMarch(test, 2, 0, "Hauptplanet Vesta", "Hauptplanet Terra", 10);  // Terra typed without its suffix
  putMarch(test, 2, 1, "Hauptplanet Vesta", "Hauptplanet Gaia", 10);   // not for Anna: never tested
  putMarch(test, 0, 0, "Hauptplanet Terra", "Hauptplanet Gaia", 7);    // Anna's own: never tested

  // Seed 123 rolls 0, 0 and 0 for the three tested marches (all under 5, 5 and 1); the detail
  // rolls 8, 1 and 3 give brief, detailed (1 < 4) and brief (3 is not under 1).
  EXPECT_EQ(reportEspionageFindings(test.game, 0), 3);
  const std::string tail = "Informationen zu einem Truppenmarsch (";
  const std::string link = ") gewinnen (siehe Menuepunkt 4 - Gegnerische Truppenteile).\n";
  EXPECT_EQ(test.console.output(), "Deine Agenten konnten ein paar " + tail + "Bert" + link +
                                       "Deine Agenten konnten sehr detaillierte " + tail + "Bert" + link +
                                       "Deine Agenten konnten ein paar " + tail + "Cara" + link);
  EXPECT_EQ(test.state->drawCounter, 4);

  const auto& reports = test.state->spionageliste[0].marchReports;
  const std::string seen = ") gewonnen werden (letzter Bericht aus Runde 6):";
  EXPECT_EQ(reports[0].header, "Folgende Informationen konnten zu einem Truppenmarsch (Bert" + seen);
  EXPECT_EQ(reports[0].briefText,
            "  Spieler: Bert   Herkunft: Hauptplanet Gaia   Ziel: Hauptplanet Terra   Ankunft in Runde: ");
  EXPECT_EQ(reports[0].briefArrivalRound, 8);
  EXPECT_EQ(reports[2].detailedText,
            "  Spieler: Bert   Herkunft: Hauptplanet Gaia   Ziel: Aussenposten Mond   Ankunft in Runde: ");
  EXPECT_EQ(reports[2].detailedArrivalRound, 9);
  EXPECT_EQ(reports[2].troops[1], "Gleiterschwadron");
  // Cara's march shares index 0 with Bert's and goes to the first free entry instead.
  EXPECT_EQ(reports[1].header, "Folgende Informationen konnten zu einem Truppenmarsch (Cara" + seen);
  EXPECT_EQ(reports[1].briefArrivalRound, 10);

  // Each report ends in its march's arrival round, the round closing the stored text.
  test.console.clearOutput();
  test.state->runde = 8;
  EXPECT_EQ(reportReconnaissanceResults(test.game, 0), 1);
  const std::string removal =
      "Nach unseren Informationen ist nachfolgender Marsch nun beendet und wird daher aus der Datenbank "
      "entfernt.\n";
  const std::string from = "  Spieler: Bert   Herkunft: Hauptplanet Gaia   Ziel: ";
  EXPECT_EQ(test.console.output(), removal + from + "Hauptplanet Terra   Ankunft in Runde: 8\n");
  test.state->runde = 9;
  test.console.clearOutput();
  EXPECT_EQ(reportReconnaissanceResults(test.game, 0), 1);
  EXPECT_EQ(test.console.output(), removal + from + "Aussenposten Mond   Ankunft in Runde: 9\n");
  EXPECT_EQ(reports[2], MarchReport{});
}

TEST(MarchSightings, EachMarchKeepsOneEntryAndTwoMarchesNeverMix) {
  TestGame test;
  IntelDatabase& database = test.state->spionageliste[0];
  MarchRecord first;
  first.origin = "Hauptplanet Gaia";
  first.destination = "Aussenposten Mond";
  first.arrivalRound = 9;
  addUnit(first.units, "Valkaren Trupp");
  recordMarchSighting(database, 3, first, "Bert", 5, false);
  // After a compaction the same march stands at index 0; its entry is found by its text and round.
  recordMarchSighting(database, 0, first, "Bert", 6, true);
  EXPECT_TRUE(database.marchReports[0].header.empty());
  EXPECT_EQ(database.marchReports[3].briefArrivalRound, 9);
  EXPECT_EQ(database.marchReports[3].detailedArrivalRound, 9);
  EXPECT_EQ(database.marchReports[3].troops[0], "Valkaren Trupp");
  EXPECT_NE(database.marchReports[3].header.find("Runde 6):"), std::string::npos);

  // A freed entry keeps a text half after ageing; the next march taking it starts clean.
  MarchReport& freed = database.marchReports[5];
  freed.briefText = "  Spieler: Cara   Herkunft: alt   Ziel: alt   Ankunft in Runde: ";
  MarchRecord second = first;
  second.arrivalRound = 12;
  recordMarchSighting(database, 5, second, "Bert", 7, true);
  EXPECT_EQ(freed.briefText, "");
  EXPECT_EQ(freed.detailedArrivalRound, 12);

  // With every entry taken, entry k is cleared and reused.
  for (MarchReport& report : database.marchReports) {
    if (report.header.empty()) report = database.marchReports[3];
  }
  MarchRecord third = first;
  third.arrivalRound = 14;
  recordMarchSighting(database, 7, third, "Cara", 8, false);
  EXPECT_EQ(database.marchReports[7].briefArrivalRound, 14);
  EXPECT_EQ(database.marchReports[7].detailedText, "");
  EXPECT_EQ(database.marchReports[7].detailedArrivalRound, 0);
  EXPECT_EQ(countUnits(database.marchReports[7].troops), 0);
}

}  // namespace
}  // namespace vaskorath::testing
