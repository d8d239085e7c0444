// Round report: income, gift and messages, finished production, report texts in their sections,
// mercenary arrivals with their replacement offers, and the empty sections.
#include "reports/round_report.h"

#include <gtest/gtest.h>

#include <limits>

#include "flow/round_loop.h"
#include "state/march_list.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";
const std::string kArrival =
    "Verstaerkungstruppen von Hauptplanet Gaia (Heimatplanet) sind auf Aussenposten Ost eingetroffen.";
const std::string kCaughtReinforcement =
    "Verstaerkungstruppen von Aussenposten Ost gerieten auf Hauptplanet Kolonie in ein Gefecht.";
const std::string kDefence =
    "Deine Verteidigungstruppen auf Hauptplanet Kolonie haben den Angriff abgewehrt.";
const std::string kAttack =
    "Angriffstruppen von Hauptplanet Kolonie wurden auf Hauptplanet Terra vernichtet.";
const std::string kReconnaissance = "Erkundungstruppen von Aussenposten West wurden entdeckt.";

TEST(RoundReport, ShowsEveryEventOfTheRoundInItsSection) {
  TestGame test("", 17);
  FactionRecord& anna = test.addPlayer(0, "Anna", "Xelthar-Bund");
  test.addPlayer(1, "Bert");
  test.state->runde = 4;
  // Two main planets and three outposts: 2 x 70 + 3 x 40 = 260 credits.
  const int gaia = test.addLocation("Gaia (Heimatplanet)", "Anna");
  const int kolonie = test.addLocation("Kolonie", "Anna");
  for (const char* outpost : {"Ost", "West", "Sued"}) test.addLocation(outpost, "Anna", kKindOutpost);
  test.addLocation("Terra", "Bert");
  test.placeUnits(gaia, 0, {"Kommandant Ilyeth", "Glutkrieger Trupp"});
  test.state->planetenliste[gaia].troops[2][0][0].clear();  // the finished unit goes into this hole
  test.state->planetenliste[gaia].productionItem[2] = "Glutkrieger Trupp";
  test.state->planetenliste[gaia].productionDueRound = 4;
  test.state->planetenliste[kolonie].productionItem[2] = "Befestigungsausbau";
  test.state->planetenliste[kolonie].productionDueRound = 4;

  test.state->creditgabemenge[0] = 50;
  test.state->creditgabehinweis[0] = 1;
  auto& inbox = test.state->spielernachrichten[0];
  inbox[0] = "  Von Bert: Hallo";
  inbox[1] = "  Von Bert: Bis bald";
  inbox[3] = "  Von Bert: hinter einer Luecke";  // the listing stops at the first free slot

  // An ended march with its arrival text in front of two used records, a defender message in a
  // used record that the upkeep moves, and texts in free records past the end of the list.
  auto& marches = test.state->marschliste[0];
  test.addMarch(0, "Marschbefehl: beendet", "Hauptplanet Gaia (Heimatplanet)", "Aussenposten Ost", 4, {});
  test.addMarch(0, "Angriffsbefehl: erster", "Hauptplanet Kolonie", "Hauptplanet Terra", 6,
                {"KR5 Schildlaeufer"});
  test.addMarch(0, "Marschbefehl: zweiter", "Aussenposten Ost", "Aussenposten West", 5,
                {"Glutkrieger Trupp"});
  marches[0] = MarchRecord{};
  marches[0].reportText = kArrival;
  marches[2].reportText = kDefence;
  marches[3].reportText = kAttack;
  marches[5].reportText = kReconnaissance;
  marches[6].reportText = kCaughtReinforcement;
  marches[7].reportText = "Ein Text ohne Abschnitt";

  auto& offers = test.state->soeldnerliste[0];
  offers[3] = MercenaryOffer{"Glutkrieger Trupp", 320, 0, true};
  offers[5] = MercenaryOffer{"Kommandant Ilyeth", 700, 2, true};  // still under way
  offers[7] = MercenaryOffer{"Kommandant Ilyeth", 690, 0, true};

  showRoundReport(test.game, 0);
  EXPECT_EQ(test.console.currentScreen(),
            "Runde 4          Anna (Xelthar-Bund)          1260 Credits\n"
            "\n"
            "Rundenereignisse:\n"
            "-----------------\n"
            "\n"
            "\n"
            "Allgemeine Informationen:\n"
            "-------------------------\n"
            "In dieser Runde hast du 260 Credits eingenommen.\n"
            "Freudige Nachricht. Bert hat dir 50 Credits geschenkt!\n"
            "\n"
            "Du hast folgende Nachrichten von deinen Mitspielern erhalten:\n"
            "  Von Bert: Hallo\n"
            "  Von Bert: Bis bald\n"
            "\n"
            "\n"
            "Diese Runde wurden folgende Einheiten bzw. Befestigungen fertiggestellt:\n" +
                std::string(64, '-') +
                "\n"
                "Auf Hauptplanet Gaia (Heimatplanet) wurde folgendes fertiggestellt: - Glutkrieger Trupp -\n"
                "Auf Hauptplanet Kolonie wurde folgendes fertiggestellt: - Befestigungsausbau -\n"
                "\n"
                "\n"
                "In dieser Runde sind folgende Truppenbewegungen erfolgt:\n" +
                std::string(56, '-') + "\n" + kArrival + "\n" + kCaughtReinforcement +
                "\n"
                "Eine Soeldnereinheit hat dich in dieser Runde auf deinem Heimatplaneten verstaerkt "
                "(Glutkrieger Trupp).\n"
                "Eine Soeldnereinheit hat dich in dieser Runde auf deinem Heimatplaneten verstaerkt "
                "(Kommandant Ilyeth).\n"
                "\n"
                "\n"
                "In dieser Runde gab es folgende Gefechtsaktivitaeten:\n" +
                std::string(53, '-') + "\n" + kDefence + "\n" + kAttack + "\n" + kReconnaissance +
                "\n"
                "\n"
                "\n"
                "In dieser Runde konnten folgende Erkundungsergebnisse gewonnen werden:\n" +
                std::string(70, '-') +
                "\n"
                "- keine -\n"
                "\n"
                "\n"
                "In dieser Runde gab es folgende Spionageaktivitaeten:\n" +
                std::string(53, '-') +
                "\n"
                "- keine -\n"
                "\n"
                "\n" +
                kPause);

  EXPECT_EQ(anna.credits, 1260);
  EXPECT_EQ(test.state->creditgabemenge[0], 0);
  EXPECT_EQ(test.state->creditgabehinweis[0], kNobody);
  EXPECT_EQ(inbox[0], "");
  EXPECT_EQ(inbox[1], "");
  EXPECT_EQ(inbox[3], "  Von Bert: hinter einer Luecke");

  const LocationRecord& home = test.state->planetenliste[gaia];
  EXPECT_EQ(home.troops[2][0][0], "Glutkrieger Trupp");
  EXPECT_EQ(home.productionItem[2], "");
  EXPECT_EQ(home.productionDueRound, 0);
  const LocationRecord& fortified = test.state->planetenliste[kolonie];
  EXPECT_EQ(fortified.fortificationLevel, 2);
  EXPECT_EQ(countUnits(fortified.troops[2][0]), 0);
  EXPECT_EQ(fortified.productionDueRound, 0);

  // The upkeep moved the second march down; every printed text is gone, the odd one stays.
  EXPECT_EQ(marches[0].orderText, "Marschbefehl: zweiter");
  EXPECT_EQ(marches[1].orderText, "Angriffsbefehl: erster");
  EXPECT_TRUE(isFree(marches[2]));
  for (int index = 0; index < 7; ++index) EXPECT_EQ(marches[index].reportText, "") << index;
  EXPECT_EQ(marches[7].reportText, "Ein Text ohne Abschnitt");

  // Seed 17 draws 94, 26602, 30017, 18297, 20363: slots 14 (empty), 2 "KR5 Schildlaeufer" of
  // cost 90; then 17, 17 (empty) and 3 "GT3 Schwebepanzer" of cost 150; each at three times cost.
  EXPECT_EQ(offers[3], (MercenaryOffer{"KR5 Schildlaeufer", 270, 0, false}));
  EXPECT_EQ(offers[5], (MercenaryOffer{"Kommandant Ilyeth", 700, 2, true}));
  EXPECT_EQ(offers[7], (MercenaryOffer{"GT3 Schwebepanzer", 450, 0, false}));
}

TEST(RoundReport, APlayerWithNothingToReportSeesNoneInEverySection) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addLocation("Terra", "Anna");
  test.state->runde = 2;
  test.state->creditgabehinweis[1] = 0;  // a pending giver without an amount
  showRoundReport(test.game, 1);
  const std::string_view screen = test.console.currentScreen();
  EXPECT_TRUE(screen.starts_with("Runde 2          Bert (Kadrische Legion)          1000 Credits\n\n"));
  EXPECT_NE(screen.find("In dieser Runde hast du 0 Credits eingenommen.\n\n\nDiese Runde"),
            std::string::npos);
  EXPECT_EQ(countOccurrences(screen, "- keine -\n"), 5);
  EXPECT_EQ(countOccurrences(screen, "Freudige Nachricht."), 0);
  EXPECT_EQ(test.state->creditgabehinweis[1], kNobody);
  EXPECT_EQ(test.console.pauseCount(), 1);
}

TEST(RoundReport, CompletesOnlyWhatTheOwnerCanReceive) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.state->runde = 6;
  // Lost to Bert before the order was finished: not completed for anybody's report here.
  const int lost = test.addLocation("Verloren", "Bert");
  test.state->planetenliste[lost].productionItem[0] = "Ferox Transporter";
  test.state->planetenliste[lost].productionDueRound = 6;
  // Every one of the 200 slots taken: the paid unit waits a round instead of being dropped.
  const int full = test.addLocation("Voll", "Anna");
  test.state->planetenliste[full].troops[0][0].fill("Kadrischer Sturmtrupp");
  test.state->planetenliste[full].productionItem[0] = "Ferox Transporter";
  test.state->planetenliste[full].productionDueRound = 6;
  // Conquered while another race built there: nothing of Anna's race is finished.
  const int conquered = test.addLocation("Erobert", "Anna");
  test.state->planetenliste[conquered].productionItem[4] = "Schrauber";
  test.state->planetenliste[conquered].productionDueRound = 6;
  // Due later: untouched.
  const int later = test.addLocation("Spaeter", "Anna");
  test.state->planetenliste[later].productionItem[0] = "Raketenwerfertrupps";
  test.state->planetenliste[later].productionDueRound = 7;

  showRoundReport(test.game, 0);
  EXPECT_NE(test.console.output().find("fertiggestellt:\n" + std::string(64, '-') + "\n- keine -\n"),
            std::string::npos);
  EXPECT_EQ(test.state->planetenliste[lost].productionDueRound, 6);
  EXPECT_EQ(test.state->planetenliste[lost].productionItem[0], "Ferox Transporter");
  EXPECT_EQ(test.state->planetenliste[full].productionDueRound, 7);
  EXPECT_EQ(test.state->planetenliste[full].productionItem[0], "Ferox Transporter");
  EXPECT_EQ(test.state->planetenliste[conquered].productionDueRound, 0);
  EXPECT_EQ(countUnits(test.state->planetenliste[conquered].troops[0][0]), 0);
  EXPECT_EQ(test.state->planetenliste[later].productionDueRound, 7);

  // A slot freed in the meantime takes the unit in the next round's report.
  test.state->runde = 7;
  test.state->planetenliste[full].troops[0][0][150].clear();
  showRoundReport(test.game, 0);
  EXPECT_NE(test.console.currentScreen().find(
                "Auf Hauptplanet Voll wurde folgendes fertiggestellt: - Ferox Transporter -\n"
                "Auf Hauptplanet Spaeter wurde folgendes fertiggestellt: - Raketenwerfertrupps -\n\n\n"),
            std::string::npos);
  EXPECT_EQ(test.state->planetenliste[full].troops[0][0][150], "Ferox Transporter");
  EXPECT_EQ(test.state->planetenliste[full].productionDueRound, 0);
}

TEST(RoundReport, APlayerWithoutAKnownRaceGetsNoProductionAndNoNewOffer) {
  TestGame test;
  test.addPlayer(0, "Anna", "");
  const int terra = test.addLocation("Terra", "Anna");
  test.state->planetenliste[terra].productionItem[0] = "Ferox Transporter";
  test.state->planetenliste[terra].productionDueRound = 3;
  test.state->runde = 3;
  test.state->soeldnerliste[0][0] = MercenaryOffer{"Brukka Horde", 180, 0, true};

  showRoundReport(test.game, 0);
  const std::string& out = test.console.output();
  EXPECT_NE(out.find("verstaerkt (Brukka Horde).\n"), std::string::npos);
  EXPECT_EQ(countOccurrences(out, "- keine -\n"), 4);  // all but the troop movements
  EXPECT_EQ(test.state->planetenliste[terra].productionDueRound, 3);
  EXPECT_EQ(test.state->soeldnerliste[0][0], (MercenaryOffer{"Brukka Horde", 180, 0, false}));
  EXPECT_EQ(test.random.next(), 41);  // no offer was drawn
}

TEST(RoundReport, IncomeStopsAtTheLargestBalance) {
  TestGame test;
  const int largest = std::numeric_limits<int>::max();
  test.addPlayer(0, "Anna").credits = largest - 100;
  test.addLocation("Terra", "Anna");
  test.addLocation("Luna", "Anna");
  test.state->runde = 2;
  showRoundReport(test.game, 0);
  // 140 credits are due; only 100 fit.
  EXPECT_EQ(test.state->spielerliste[0].credits, largest);
  EXPECT_NE(test.console.output().find("2147483647 Credits\n\n"), std::string::npos);
  EXPECT_NE(test.console.output().find("In dieser Runde hast du 100 Credits eingenommen.\n"),
            std::string::npos);
}

TEST(RoundReport, RoundOneHasNoReportAndEveryLaterTurnBeginsWithOne) {
  TestGame test("9\n9\n0\n9\n9\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addLocation("Terra", "Anna");
  test.addLocation("Mond", "Bert", kKindOutpost);
  test.state->endrunde = 3;
  runCampaign(test.game);
  const std::string& out = test.console.output();
  const auto calculation = out.find("Die Kalkulation fuer Runde 2 beginnt.");
  ASSERT_NE(calculation, std::string::npos);
  EXPECT_EQ(countOccurrences(out, "Rundenereignisse:"), 2);
  EXPECT_GT(out.find("Rundenereignisse:"), calculation);
  EXPECT_NE(out.find("Runde 2          Anna (Kadrische Legion)\n\n" + kPause +
                     "Runde 2          Anna (Kadrische Legion)          1070 Credits\n\n"),
            std::string::npos);
  EXPECT_EQ(test.state->spielerliste[0].credits, 1070);
  EXPECT_EQ(test.state->spielerliste[1].credits, 1040);
}

}  // namespace
}  // namespace vaskorath::testing
