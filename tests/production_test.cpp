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

// Where `message` answers a typed number after one empty line and is held by a pause, or npos.
std::size_t findMessage(const std::string& out, const std::string& message, std::size_t from = 0) {
  return out.find(": \n" + message + "\n\n" + kPause, from);
}

// The same for a message of the running-production menu, two line breaks after the number.
std::size_t findMenuMessage(const std::string& out, const std::string& message, std::size_t from = 0) {
  return out.find(": \n\n" + message + "\n\n" + kPause, from);
}

TEST(Production, ListsTheSitesAndTheOutpostItemsAndOrdersWithExactlyEnoughCredits) {
  // Site 4 does not exist; site 1 is producing and its menu is left with 0; then an order at site 2.
  TestGame test("4\n1\n0\n2\n2\n0\n");
  test.addPlayer(0, "Anna").credits = 60;
  test.addPlayer(1, "Bert");
  test.state->runde = 2;
  const int terra = test.addLocation("Terra (Heimatplanet)", "Anna");
  test.state->planetenliste[terra].fortificationLevel = 3;
  test.setProduction(terra, 0, "Ferox Transporter", 5);
  test.addLocation("Gaia", "Bert");
  const int mond = test.addLocation("Mond", "Anna", kKindOutpost);
  const std::string longName = "Einunddreissig-Zeichen-Planet-x";  // 31 characters: no fill
  test.addLocation(longName, "Anna");

  runProductionDialogue(test.game, 0);
  // A main planet gets one extra blank after its name, then 30 minus the name's length.
  const std::string siteListHead =
      "7 Produktionsauftrag\n---------------------\n\n"
      "Folgende Planeten bzw. Produktionsorte befinden sich unter deiner Kontrolle:\n" +
      std::string(76, '-') + "\n1 Hauptplanet Terra (Heimatplanet) " + spaces(10) +
      "Befestigungsstufe 3     Laufende Produktion: Ferox Transporter mit Fertigstellung in 3 Runde(n).\n"
      "2 Aussenposten Mond" +
      spaces(26) + "Befestigungsstufe 1     Laufende Produktion: ";
  const std::string siteListTail =
      "\n3 Hauptplanet " + longName + " Befestigungsstufe 1     Laufende Produktion: Keine.\n" + kSitePrompt;
  // The outpost offers the outpost-buildable catalogue numbers 2 to 5, then the fortification.
  const std::string itemList =
      "Produktionsauftrag auf Aussenposten Mond. Du hast 60 Credits.\n\n"
      "Folgendes kann produziert werden:\n---------------------------------\n"
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
      "\nProduktionsauftrag fuer folgende Einheit erteilt: Raketenwerfertrupps. Produktionsdauer 3 "
      "Runde(n)\n\n" +
      kPause;
  // The typed number's Enter ends the prompt's line: one line end gives one empty line, as in every
  // dialogue; the running-production menu sets its own messages apart by two line breaks.
  const std::string wrongSite = "\nFalsche Auswahl.\n\n" + kPause;
  const std::string runningMenu =
      "\nAuf Hauptplanet Terra (Heimatplanet) wird bereits produziert. Folgende Optionen hast du:\n"
      "1 Bauauftrag um eine Runde beschleunigen (100 Credits - du hast 60 Credits)\n"
      "2 Bauauftrag abbrechen (bisherige Zahlungen gehen verloren!)\n\n"
      "Was moechtest du tun? (Nummer - Abbruch mit 0): \n\nAbbruch!\n\n" +
      kPause;
  const std::string idleSiteList = siteListHead + "Keine." + siteListTail;
  EXPECT_EQ(test.console.output(), idleSiteList + wrongSite + idleSiteList + runningMenu + idleSiteList +
                                       itemList + siteListHead +
                                       "Raketenwerfertrupps mit Fertigstellung in 3 Runde(n)." + siteListTail);
  // 60 credits buy the 60-credit unit; 60 / 30 + 1 = 3 rounds from round 2.
  EXPECT_EQ(test.state->spielerliste[0].credits, 0);
  EXPECT_EQ(test.state->planetenliste[mond].productionItem[0], "Raketenwerfertrupps");
  EXPECT_EQ(test.state->planetenliste[mond].productionDueRound, 5);
}

TEST(Production, RefusalsLeaveCreditsAndSitesAsTheyWere) {
  // Burg (level 3): fortification item 11 refused for its level before the credits; -1 and 12
  // show the list again. Wall: item 2 of a main planet is the 80-credit "Kadrischer Sturmtrupp",
  // one credit too many; the fortification is refused for 300 credits. Site 3 does not exist, site
  // -3 shows the list again without a message.
  TestGame test("3\n-3\n1\n11\n-1\n12\n0\n2\n2\n2\n11\n0\n0\n");
  test.addPlayer(0, "Anna").credits = 79;
  const int burg = test.addLocation("Burg", "Anna");
  test.state->planetenliste[burg].fortificationLevel = 3;
  const int wall = test.addLocation("Wall", "Anna");
  runProductionDialogue(test.game, 0);
  const std::string& out = test.console.output();
  EXPECT_NE(out.find("10 Kerberan Haubitze" + spaces(13) +
                     " fuer 130 Credits       (Produktionsdauer 5 Runden(n))\n"
                     "11 Befestigungsausbau"),
            std::string::npos);
  EXPECT_NE(out.find(kSitePrompt + "\nFalsche Auswahl.\n\n" + kPause + "7 Produktionsauftrag\n"),
            std::string::npos);
  EXPECT_EQ(countOccurrences(out, "Falsche Auswahl."), 1);
  const auto level =
      findMessage(out, "Befestigungsstufe ist bereits auf 3 und damit nicht weiter verbesserbar. Abbruch.");
  const auto unit = findMessage(out, "Du hast nicht genug Credits fuer diese Einheit!", level);
  const auto fortification = findMessage(out, "Du hast nicht genug Credits. Abbruch", unit);
  EXPECT_NE(fortification, std::string::npos);
  EXPECT_EQ(countOccurrences(out, "Produktionsauftrag auf Hauptplanet Burg."), 4);
  EXPECT_EQ(countOccurrences(out, "Produktionsauftrag auf Hauptplanet Wall."), 3);
  EXPECT_EQ(test.state->spielerliste[0].credits, 79);
  EXPECT_EQ(test.state->planetenliste[burg].productionDueRound, 0);
  EXPECT_EQ(test.state->planetenliste[wall].productionDueRound, 0);
}

TEST(Production, AccelerationCostsHundredCreditsAndTheCreditTestComesFirst) {
  // Round 5: Kap due in 7 and Bucht due in 8 are both brought forward; Kap, then due in the
  // coming round, is refused for the credits (0 left) rather than for its round.
  TestGame test("1\n1\n2\n1\n1\n1\n0\n");
  test.addPlayer(0, "Anna").credits = 200;
  test.state->runde = 5;
  const int kap = test.addLocation("Kap", "Anna", kKindOutpost);
  test.setProduction(kap, 0, "Plasmawerfertrupps", 7);
  const int bucht = test.addLocation("Bucht", "Anna");
  test.setProduction(bucht, 0, "Ferox Transporter", 8);
  runProductionDialogue(test.game, 0);
  const std::string& out = test.console.output();
  EXPECT_NE(out.find(kSitePrompt +
                     "\nAuf Aussenposten Kap wird bereits produziert. Folgende Optionen hast du:\n"
                     "1 Bauauftrag um eine Runde beschleunigen (100 Credits - du hast 200 Credits)\n"
                     "2 Bauauftrag abbrechen (bisherige Zahlungen gehen verloren!)\n\n"
                     "Was moechtest du tun? (Nummer - Abbruch mit 0): "
                     "\n\nBauauftrag wurde um eine Runde beschleunigt!\n\n" +
                     kPause),
            std::string::npos);
  const auto second =
      findMenuMessage(out, "Bauauftrag wurde um eine Runde beschleunigt!", out.find("du hast 100 Credits"));
  EXPECT_NE(findMenuMessage(out, "Nicht genug Credits. Abbruch!", second), std::string::npos);
  EXPECT_EQ(test.state->planetenliste[kap].productionDueRound, 6);
  EXPECT_EQ(test.state->planetenliste[bucht].productionDueRound, 7);
  EXPECT_EQ(test.state->spielerliste[0].credits, 0);
}

TEST(Production, CancellingKeepsTheMoneySpentAndFreesTheSiteAtOnce) {
  // 3 and 0 in the running-production menu change nothing; 2 cancels every race's entry; the
  // fortification (item 9 after the eight Brukkas units) is ordered at once: 300 credits, 10 rounds.
  TestGame test("1\n3\n1\n0\n1\n2\n1\n9\n0\n");
  test.addPlayer(0, "Anna", "Brukkas").credits = 500;
  test.state->runde = 2;
  const int hort = test.addLocation("Hort", "Anna");
  test.setProduction(hort, 4, "Oberschrauber", 6);
  test.state->planetenliste[hort].productionItem[0] = "Fremdes";
  runProductionDialogue(test.game, 0);
  const std::string& out = test.console.output();
  EXPECT_NE(findMenuMessage(out, "Falsche Auswahl. Abbruch!"), std::string::npos);
  EXPECT_NE(findMenuMessage(out, "Abbruch!"), std::string::npos);
  EXPECT_NE(findMenuMessage(out, "Bauauftrag wurde abgebrochen!"), std::string::npos);
  EXPECT_NE(findMessage(out, "Auftrag fuer den Befestigungsausbau erteilt. Produktionsdauer 10 Runden"),
            std::string::npos);
  EXPECT_EQ(test.state->planetenliste[hort].productionItem[4], "Befestigungsausbau");
  EXPECT_EQ(test.state->planetenliste[hort].productionItem[0], "");
  EXPECT_EQ(test.state->planetenliste[hort].productionDueRound, 12);
  EXPECT_EQ(test.state->spielerliste[0].credits, 200);
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
