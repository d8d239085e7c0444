// Production orders: the site and item lists, ordering with the credit checks, the fortification
// item, acceleration and cancelling, wrong numbers, and a race without a catalogue.
#include "orders/production.h"

#include <gtest/gtest.h>

#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";
const std::string kSitePrompt =
    "\nWo moechtest du Anpassungen vornehmen? (Nummer des Produktionsortes - Abbruch mit 0): ";
const std::string kItemPrompt = "\nWas soll produziert werden? (Nummer - Abbruch mit 0): ";

std::string spaces(int count) { return std::string(count, ' '); }

TEST(Production, ListsTheSitesAndTheOutpostItemsAndOrdersWithExactlyEnoughCredits) {
  TestGame test("2\n2\n0\n");
  test.addPlayer(0, "Anna").credits = 60;
  test.addPlayer(1, "Bert");
  test.state->runde = 2;
  const int terra = test.addLocation("Terra (Heimatplanet)", "Anna");
  test.state->planetenliste[terra].fortificationLevel = 3;
  test.state->planetenliste[terra].productionItem[0] = "Ferox Transporter";
  test.state->planetenliste[terra].productionDueRound = 5;
  test.addLocation("Gaia", "Bert");
  const int mond = test.addLocation("Mond", "Anna", kKindOutpost);
  const std::string longName = "Einunddreissig-Zeichen-Planet-x";  // 31 characters: no fill
  test.addLocation(longName, "Anna");

  runProductionDialogue(test.game, 0);
  const std::string siteListHead =
      "7 Produktionsauftrag\n"
      "---------------------\n"
      "\n"
      "Folgende Planeten bzw. Produktionsorte befinden sich unter deiner Kontrolle:\n"
      "----------------------------------------------------------------------------\n"
      // Main planets get one extra blank after the name, then 30 minus its length.
      "1 Hauptplanet Terra (Heimatplanet) " +
      spaces(10) +
      "Befestigungsstufe 3     Laufende Produktion: Ferox Transporter mit Fertigstellung in 3 Runde(n).\n"
      "2 Aussenposten Mond" +
      spaces(26) + "Befestigungsstufe 1     Laufende Produktion: ";
  const std::string siteListTail =
      "\n3 Hauptplanet " + longName + " Befestigungsstufe 1     Laufende Produktion: Keine.\n" + kSitePrompt;
  // The outpost offers the four outpost-buildable units (catalogue numbers 2 to 5), then the
  // fortification as number 5.
  const std::string itemList =
      "Produktionsauftrag auf Aussenposten Mond. Du hast 60 Credits.\n"
      "\n"
      "Folgendes kann produziert werden:\n"
      "---------------------------------\n"
      "1  Kadrischer Sturmtrupp" +
      spaces(9) +
      " fuer 80 Credits        (Produktionsdauer 3 Runden(n))\n"
      "2  Raketenwerfertrupps" +
      spaces(11) +
      " fuer 60 Credits        (Produktionsdauer 3 Runden(n))\n"
      "3  Granatwerfertrupps" +
      spaces(12) +
      " fuer 80 Credits        (Produktionsdauer 3 Runden(n))\n"
      "4  Plasmawerfertrupps" +
      spaces(12) +
      " fuer 60 Credits        (Produktionsdauer 3 Runden(n))\n"
      "5  Befestigungsausbau             fuer 300 Credits       (Produktionsdauer 10 Runden)\n" +
      kItemPrompt +
      "\n\nProduktionsauftrag fuer folgende Einheit erteilt: Raketenwerfertrupps. Produktionsdauer 3 "
      "Runde(n)\n\n" +
      kPause;
  EXPECT_EQ(test.console.output(), siteListHead + "Keine." + siteListTail + itemList + siteListHead +
                                       "Raketenwerfertrupps mit Fertigstellung in 3 Runde(n)." +
                                       siteListTail);
  // 60 credits buy the 60-credit unit; 60 / 30 + 1 = 3 rounds from round 2.
  EXPECT_EQ(test.state->spielerliste[0].credits, 0);
  EXPECT_EQ(test.state->planetenliste[mond].productionItem[0], "Raketenwerfertrupps");
  EXPECT_EQ(test.state->planetenliste[mond].productionDueRound, 5);
}

TEST(Production, AMainPlanetNumbersEveryUnitAndRefusesWhatCannotBePaid) {
  // Item 2 at a main planet is catalogue number 2, the 80-credit "Kadrischer Sturmtrupp"; 79
  // credits are one too few. Then item 11, the fortification, for 10 rounds.
  TestGame test("1\n2\n1\n11\n0\n0\n");
  test.addPlayer(0, "Anna").credits = 79;
  test.state->runde = 3;
  const int luna = test.addLocation("Luna", "Anna");
  runProductionDialogue(test.game, 0);
  const std::string& out = test.console.output();
  EXPECT_NE(
      out.find("10 Kerberan Haubitze" + spaces(13) +
               " fuer 130 Credits       (Produktionsdauer 5 Runden(n))\n"
               "11 Befestigungsausbau             fuer 300 Credits       (Produktionsdauer 10 Runden)\n"),
      std::string::npos);
  EXPECT_NE(out.find(kItemPrompt + "\n\nDu hast nicht genug Credits fuer diese Einheit!\n\n" + kPause),
            std::string::npos);
  EXPECT_NE(out.find(kItemPrompt + "\n\nDu hast nicht genug Credits. Abbruch\n\n" + kPause),
            std::string::npos);
  EXPECT_EQ(test.state->spielerliste[0].credits, 79);
  EXPECT_EQ(test.state->planetenliste[luna].productionDueRound, 0);
  EXPECT_EQ(test.state->planetenliste[luna].productionItem[0], "");
}

TEST(Production, TheFortificationItemChecksTheLevelBeforeTheCredits) {
  // Level 3 refuses even with credits enough; negative and too large numbers show the list again
  // without a message; at level 2 the order costs 300 and takes 10 rounds.
  TestGame test("1\n5\n-1\n6\n0\n2\n5\n0\n");
  test.addPlayer(0, "Anna").credits = 300;
  test.state->runde = 4;
  const int burg = test.addLocation("Burg", "Anna", kKindOutpost);
  test.state->planetenliste[burg].fortificationLevel = 3;
  const int wall = test.addLocation("Wall", "Anna", kKindOutpost);
  test.state->planetenliste[wall].fortificationLevel = 2;

  runProductionDialogue(test.game, 0);
  const std::string& out = test.console.output();
  EXPECT_NE(
      out.find(kItemPrompt +
               "\n\nBefestigungsstufe ist bereits auf 3 und damit nicht weiter verbesserbar. Abbruch.\n\n" +
               kPause + "Produktionsauftrag auf Aussenposten Burg."),
      std::string::npos);
  EXPECT_EQ(countOccurrences(out, "Produktionsauftrag auf Aussenposten Burg."), 4);
  EXPECT_NE(out.find("\n\nAuftrag fuer den Befestigungsausbau erteilt. Produktionsdauer 10 Runden\n\n"),
            std::string::npos);
  EXPECT_EQ(test.state->planetenliste[burg].productionDueRound, 0);
  EXPECT_EQ(test.state->planetenliste[wall].productionItem[0], "Befestigungsausbau");
  EXPECT_EQ(test.state->planetenliste[wall].productionDueRound, 14);
  EXPECT_EQ(test.state->spielerliste[0].credits, 0);
}

TEST(Production, ARunningOrderCanBeAcceleratedUntilItIsDueNextRound) {
  // Due in round 7 at round 5: one acceleration to 6 for 100 credits, the second is refused.
  TestGame test("1\n1\n1\n1\n0\n");
  test.addPlayer(0, "Anna").credits = 250;
  test.state->runde = 5;
  const int kap = test.addLocation("Kap", "Anna", kKindOutpost);
  test.state->planetenliste[kap].productionItem[0] = "Plasmawerfertrupps";
  test.state->planetenliste[kap].productionDueRound = 7;

  runProductionDialogue(test.game, 0);
  const std::string menu =
      "\n\nAuf Aussenposten Kap wird bereits produziert. Folgende Optionen hast du:\n"
      "1 Bauauftrag um eine Runde beschleunigen (100 Credits - du hast 250 Credits)\n"
      "2 Bauauftrag abbrechen (bisherige Zahlungen gehen verloren!)\n"
      "\n"
      "Was moechtest du tun? (Nummer - Abbruch mit 0): "
      "\n\nBauauftrag wurde um eine Runde beschleunigt!\n\n" +
      kPause;
  EXPECT_NE(test.console.output().find(kSitePrompt + menu), std::string::npos);
  EXPECT_NE(test.console.output().find("(100 Credits - du hast 150 Credits)\n"
                                       "2 Bauauftrag abbrechen (bisherige Zahlungen gehen verloren!)\n\n"
                                       "Was moechtest du tun? (Nummer - Abbruch mit 0): \n\n"
                                       "Bauauftrag ist bereits kommende Runde fertig. Beschleunigung nicht "
                                       "moeglich. Abbruch!\n\n"),
            std::string::npos);
  EXPECT_EQ(test.state->planetenliste[kap].productionDueRound, 6);
  EXPECT_EQ(test.state->spielerliste[0].credits, 150);
}

TEST(Production, WithTooFewCreditsTheAccelerationIsRefusedForLackOfCreditsFirst) {
  TestGame test("1\n1\n0\n");
  test.addPlayer(0, "Anna").credits = 99;
  test.state->runde = 5;
  const int kap = test.addLocation("Kap", "Anna");
  test.state->planetenliste[kap].productionItem[0] = "Ferox Transporter";
  test.state->planetenliste[kap].productionDueRound = 6;  // due in the coming round as well
  runProductionDialogue(test.game, 0);
  EXPECT_NE(test.console.output().find("\n\nNicht genug Credits. Abbruch!\n\n" + kPause), std::string::npos);
  EXPECT_EQ(countOccurrences(test.console.output(), "Bauauftrag ist bereits"), 0);
  EXPECT_EQ(test.state->planetenliste[kap].productionDueRound, 6);
  EXPECT_EQ(test.state->spielerliste[0].credits, 99);
}

TEST(Production, CancellingKeepsTheMoneySpentAndFreesTheSiteAtOnce) {
  // 3 and 0 in the running-production menu change nothing; 2 cancels; then a new order.
  TestGame test("1\n3\n1\n0\n1\n2\n1\n5\n0\n");
  test.addPlayer(0, "Anna", "Brukkas").credits = 500;
  test.state->runde = 2;
  const int hort = test.addLocation("Hort", "Anna");
  LocationRecord& location = test.state->planetenliste[hort];
  location.productionItem[4] = "Oberschrauber";
  location.productionItem[0] = "Fremdes";  // any race's entry goes with the order
  location.productionDueRound = 6;

  runProductionDialogue(test.game, 0);
  const std::string& out = test.console.output();
  EXPECT_NE(out.find("\n\nFalsche Auswahl. Abbruch!\n\n" + kPause), std::string::npos);
  EXPECT_NE(out.find("\n\nAbbruch!\n\n" + kPause), std::string::npos);
  EXPECT_NE(out.find("\n\nBauauftrag wurde abgebrochen!\n\n" + kPause), std::string::npos);
  // Item 5 of the Brukkas is "Grossmaul Trupp", 90 credits, 90 / 30 + 1 = 4 rounds.
  EXPECT_EQ(location.productionItem[4], "Grossmaul Trupp");
  EXPECT_EQ(location.productionItem[0], "");
  EXPECT_EQ(location.productionDueRound, 6);
  EXPECT_EQ(test.state->spielerliste[0].credits, 410);
}

TEST(Production, AWrongSiteNumberShowsTheListAgain) {
  TestGame test("2\n-3\n0\n");
  test.addPlayer(0, "Anna");
  test.addLocation("Terra", "Anna");
  runProductionDialogue(test.game, 0);
  const std::string& out = test.console.output();
  EXPECT_NE(out.find(kSitePrompt + "\n\nFalsche Auswahl.\n\n" + kPause + "7 Produktionsauftrag\n"),
            std::string::npos);
  EXPECT_EQ(countOccurrences(out, "Falsche Auswahl."), 1);  // a negative number has no message
  EXPECT_EQ(countOccurrences(out, kSitePrompt), 3);
  EXPECT_EQ(test.console.pauseCount(), 1);
}

TEST(Production, APlayerWithoutAKnownRaceCannotProduce) {
  TestGame test("1\n");
  test.addPlayer(0, "Anna", "");
  test.addLocation("Terra", "Anna");
  runProductionDialogue(test.game, 0);
  EXPECT_EQ(
      test.console.output(),
      "7 Produktionsauftrag\n---------------------\n\nFuer diese Rasse kann nichts produziert werden.\n\n" +
          kPause);
  EXPECT_EQ(test.console.readNumber(), 1);  // nothing was read
}

}  // namespace
}  // namespace vaskorath::testing
