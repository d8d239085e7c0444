// Reconnaissance results and the ageing of location reports in the round report's section.
#include <gtest/gtest.h>

#include "reports/reconnaissance_results.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

constexpr int kKadrisch = 0;
constexpr int kValkaren = 1;

// Anna (player 0) at Terra, Bert (player 1, Valkaren) at Gaia, the rebels in play.
struct ReconCampaign : TestGame {
  ReconCampaign() {
    addPlayer(0, "Anna");
    addPlayer(1, "Bert", "Valkaren");
    addRebels();
    addLocation("Terra (Heimatplanet)", "Anna");
    gaia = addLocation("Gaia (Heimatplanet)", "Bert");
    mond = addLocation("Mond", "Bert", kKindOutpost);
  }

  // Anna's reconnaissance on its way home from `target`, with its result code.
  MarchRecord& returning(const std::string& target, std::string code) {
    MarchRecord& march = addMarch(0,
                                  "Marschbefehl: Folgende Erkundungstruppen bewegen sich von " + target +
                                      " zurueck nach Hauptplanet Terra (Heimatplanet) (Ankunft in Runde 9).",
                                  target, "Hauptplanet Terra (Heimatplanet)", 9, {"Gleiterschwadron"});
    march.reconMode = std::move(code);
    return march;
  }

  // The section's entries of Anna's report in `round`.
  std::string reportIn(int round, int expectedCount) {
    state->runde = round;
    console.clearOutput();
    EXPECT_EQ(reportReconnaissanceResults(game, 0), expectedCount) << "round " << round;
    return console.output();
  }

  const LocationReport& annasReport(int location) const {
    return state->spionageliste[0].locationReports[location];
  }

  int gaia = 0;
  int mond = 0;
};

TEST(ReconnaissanceResults, ATroopReportIsMadeOnceAndExpiresTenRoundsLater) {
  ReconCampaign test;
  // Bert's row of all five race grids makes the entries; the rebels' and Anna's units are not his.
  test.placeUnits(test.gaia, 1, {"Valkaren Trupp", "Valkaren Trupp", "Gleiterschwadron"});
  test.state->planetenliste[test.gaia].troops[kValkaren][1][1].clear();
  test.placeUnits(test.gaia, 1, {"Ferox Transporter"}, kKadrisch);
  test.placeUnits(test.gaia, kRebelFaction, {"Valkaren Trupp", "Valkaren Trupp"}, kValkaren);
  test.placeUnits(test.gaia, 0, {"Kadrischer Sturmtrupp"});
  // Typed without " (Heimatplanet)" in the order, so the origin of the way home lacks it too.
  MarchRecord& march = test.returning("Hauptplanet Gaia", "a");

  EXPECT_EQ(
      test.reportIn(5, 1),
      "Deine Erkundungstruppen konnten in Erfahrung bringen, welche Truppen sich auf Hauptplanet Gaia "
      "(Heimatplanet), kontrolliert von Bert, befinden (siehe Menuepunkt 3 - Gegnerische Truppenteile).\n");
  EXPECT_EQ(march.reconMode, "");
  const LocationReport& report = test.annasReport(test.gaia);
  EXPECT_EQ(
      report.header,
      "Zu Hauptplanet Gaia (Heimatplanet) konnten folgende Informationen gewonnen werden (letzter Bericht "
      "aus Runde 5):");
  EXPECT_EQ(report.troops[0], "  Ferox Transporter  Valkaren Trupp");  // race grids in race order
  EXPECT_EQ(report.troops[1], "");
  EXPECT_EQ(report.troops[2], "  Gleiterschwadron");
  EXPECT_EQ(countUnits(report.troops), 2);
  EXPECT_EQ(report.expiryRound, 15);
  EXPECT_EQ(report.productionText, "");  // "a" does not inspect production

  EXPECT_EQ(test.reportIn(5, 0), "");  // reported once
  for (int round = 6; round <= 14; ++round) EXPECT_EQ(test.reportIn(round, 0), "");
  EXPECT_EQ(test.reportIn(15, 1),
            "In den letzten 10 Runden gab es keine aktualisierten Informationen zu stationierten Truppen auf "
            "Hauptplanet Gaia (Heimatplanet). Dieser Eintrag wurde daher aus der Datenbank entfernt.\n");
  EXPECT_EQ(test.annasReport(test.gaia), LocationReport{});
}

TEST(ReconnaissanceResults, ProductionPartsEndInTheirRoundAndANewerReportReplacesTheOlder) {
  ReconCampaign test;
  LocationRecord& gaia = test.state->planetenliste[test.gaia];
  LocationRecord& mond = test.state->planetenliste[test.mond];
  test.placeUnits(test.gaia, 1, {"Valkaren Trupp", "Gleiterschwadron"});
  gaia.productionItem[kValkaren] = "Befestigungsausbau";
  gaia.productionDueRound = 8;
  mond.productionItem[kValkaren] = "Gleiterschwadron";
  mond.productionDueRound = 8;
  test.returning("Aussenposten Mond", "s");
  test.returning("Hauptplanet Gaia (Heimatplanet)", "s");
  EXPECT_EQ(
      test.reportIn(5, 2),
      "Deine Erkundungstruppen konnten in Erfahrung bringen, welche Truppen sich auf Aussenposten Mond, "
      "kontrolliert von Bert, befinden (siehe Menuepunkt 3 - Gegnerische Truppenteile).\n"
      "  Es konnte auch erkundet werden, ob bzw. was derzeit dort produziert wird!\n"
      "Deine Erkundungstruppen konnten in Erfahrung bringen, welche Truppen sich auf Hauptplanet Gaia "
      "(Heimatplanet), kontrolliert von Bert, befinden (siehe Menuepunkt 3 - Gegnerische Truppenteile).\n"
      "  Es konnte auch erkundet werden, ob bzw. was derzeit dort produziert wird!\n");
  EXPECT_EQ(test.annasReport(test.mond).productionText, "  Gleiterschwadron");
  EXPECT_EQ(test.annasReport(test.mond).productionDueRound, 8);
  EXPECT_EQ(test.annasReport(test.mond).troops[0], "");  // an empty outpost: no troop entry

  // Round 7: Gaia's building has stopped and one unit has left; a second look replaces the first.
  gaia.productionItem[kValkaren].clear();
  gaia.troops[kValkaren][1][0].clear();
  test.returning("Hauptplanet Gaia", "s");
  EXPECT_EQ(countOccurrences(test.reportIn(7, 1), "Hauptplanet Gaia (Heimatplanet)"), 1);
  const LocationReport& gaiaReport = test.annasReport(test.gaia);
  EXPECT_NE(gaiaReport.header.find("(letzter Bericht aus Runde 7):"), std::string::npos);
  EXPECT_EQ(gaiaReport.troops[0], "");
  EXPECT_EQ(gaiaReport.troops[1], "  Gleiterschwadron");
  EXPECT_EQ(gaiaReport.expiryRound, 17);
  EXPECT_EQ(gaiaReport.productionText, "  - keine Bauaktivitaeten -");
  EXPECT_EQ(gaiaReport.productionDueRound, 0);  // not the 8 of the older look

  // Round 8 ends only Mond's production; its troop part and header stay until round 15.
  EXPECT_EQ(test.reportIn(8, 1),
            "Nach unseren Informationen zu den Baumassnahmen auf Aussenposten Mond ist der Bau (  "
            "Gleiterschwadron) "
            "nun abgeschlossen. Dieser Eintrag wurde daher aus der Datenbank entfernt.\n");
  EXPECT_EQ(test.annasReport(test.mond).productionText, "");
  EXPECT_EQ(test.annasReport(test.mond).expiryRound, 15);
  EXPECT_FALSE(test.annasReport(test.mond).header.empty());

  // "Nothing built" never ends by itself: only the troop expiry in round 17 takes it away.
  for (int round = 9; round <= 14; ++round) EXPECT_EQ(test.reportIn(round, 0), "");
  EXPECT_NE(test.reportIn(15, 1).find("Aussenposten Mond. Dieser Eintrag"), std::string::npos);
  EXPECT_EQ(test.reportIn(16, 0), "");
  EXPECT_EQ(test.annasReport(test.gaia).productionText, "  - keine Bauaktivitaeten -");
  EXPECT_NE(test.reportIn(17, 1).find("Hauptplanet Gaia (Heimatplanet). Dieser Eintrag"), std::string::npos);
  EXPECT_EQ(test.annasReport(test.gaia), LocationReport{});
}

TEST(ReconnaissanceResults, NothingFoundIsReportedOnceAndLeavesTheDatabaseAlone) {
  ReconCampaign test;
  test.placeUnits(test.mond, 1, {"Valkaren Trupp"});
  test.state->spionageliste[0].locationReports[test.mond].header = "Zu Aussenposten Mond ... (Runde 2):";
  test.state->spionageliste[0].locationReports[test.mond].expiryRound = 12;
  const IntelDatabase before = test.state->spionageliste[0];
  MarchRecord& nothing = test.returning("Aussenposten Mond", "v");
  test.returning("Hauptplanet Gaia", "e").orderText = "Erkundungsbefehl: discovered, fights at Gaia";
  test.returning("Hauptplanet Gaia", "");  // already reported

  EXPECT_EQ(test.reportIn(6, 1),
            "Deine Erkundungstruppen konnten leider nicht in Erfahrung bringen, welche Truppen sich auf "
            "Aussenposten Mond, kontrolliert von Bert, befinden.\n");
  EXPECT_EQ(nothing.reconMode, "");
  EXPECT_EQ(test.state->spionageliste[0], before);
  EXPECT_EQ(test.reportIn(6, 0), "");
}

}  // namespace
}  // namespace vaskorath::testing
