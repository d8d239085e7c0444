// The casino: stake, bets, the wheel with its zero rule, net winnings and the refused stakes.
#include <gtest/gtest.h>

#include <limits>

#include "orders/casino.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";

const std::string kIntro =
    "Gluecksspiel\n"
    "------------\n"
    "\n"
    "Du betrittst das Casino im Rotlichtviertel wo sich jede Menge dunkler Gestalten aufhalten. Im Casino "
    "gehst "
    "du an den Spieltisch fuer Star Roulette, das wie folgt funktioniert:\n"
    "  - Eine Kugel rollt ueber eine sich drehende Scheibe mit den Zahlen von 0 bis 10\n"
    "  - Die 0 ist gruen gefaerbt (hier gewinnt immer die Bank), die Zahlen von 1 bis 5 schwarz und die "
    "Zahlen "
    "von 6 bis 10 rot\n"
    "  - Wenn du spielst, bestimmst du deinen Geldeinsatz und waehlst eine Zahl oder eine Farbe\n"
    "  - Landet die Kugel auf der genannten Farbe, wird dein Einsatz verdoppelt (Gewinnchance ca. 50%)\n"
    "  - Landet die Kugel auf der genannten Zahl, wird der Einsatz verzehnfacht (Gewinnchance weniger als "
    "10%)\n";

const std::string kStakePrompt = "\nWie viel Credits setzt du ein? (Abbruch mit 0): ";
const std::string kLeave = "\n\nAbbruch!\n\n" + kPause;

std::string gameScreen(int stake) {
  return "Das Casino\n"
         "----------\n"
         "\n"
         "Du hast dich dazu entschieden, " +
         std::to_string(stake) +
         " Credits einzusetzen. Auf folgende Spieloptionen kannst du wetten: \n"
         "1 Auf die Farbe Schwarz\n"
         "2 Auf die Farbe Rot\n"
         "3 Auf eine einzelne Zahl\n"
         "\n"
         "Was moechtest du spielen (Nummer)?: ";
}

std::string wheel(int result) {
  return "Das Rad kommt langsam zum stehen und die Kugel rollt in das Feld mit der Nummer " +
         std::to_string(result) + "!\n\n";
}

std::string loss(int stake) {
  return "Du hast verloren! Der Wetteinsatz von " + std::to_string(stake) +
         " Credits wird von deinem Konto abgezogen.\n" + kPause;
}

TEST(Casino, AWonColourBetPaysTwiceTheStakeAndZeroLeavesTheCasino) {
  TestGame test("100\n1\n0\n");
  test.addPlayer(0, "Anna");
  runCasino(test.game, 0);
  // Seed 1: the counter rises to 1, (41 + 1) % 10 + 1 = 3 is black; at counter 2 the zero test
  // (18467 + 2) % 10 = 9 misses.
  EXPECT_EQ(
      test.console.output(),
      kIntro + kStakePrompt + gameScreen(100) +
          "Du setzt alles auf die Farbe Schwarz. Kurz darauf beginnt sich das Rad zu drehen und die Kugel "
          "rollt los. Die Spannung steigt... wo bleibt sie liegen?!\n" +
          kPause + wheel(3) + "Du hast gewonnen! Deinem Konto werden 200 Credits gutgeschrieben.\n" + kPause +
          kIntro + kStakePrompt + kLeave);
  EXPECT_EQ(test.state->spielerliste[0].credits, 1200);
  EXPECT_EQ(test.state->drawCounter, 2);
  EXPECT_EQ(test.console.clearCount(), 4);
}

TEST(Casino, ANumberBetOnSevenWithResultSevenAddsTenTimesTheStake) {
  TestGame test("50\n4\n3\n0\n11\n7\n0\n", 2);
  test.addPlayer(0, "Anna");
  runCasino(test.game, 0);
  // Seed 2: counter 1, (45 + 1) % 10 + 1 = 7; counter 2, zero test (29216 + 2) % 10 = 8 misses.
  const std::string numberPrompt = "\nAuf welche Zahl moechtest du setzen? (Zahl von 1 bis 10): ";
  EXPECT_EQ(
      test.console.output(),
      kIntro + kStakePrompt + gameScreen(50) + gameScreen(50) + numberPrompt + numberPrompt + numberPrompt +
          "Du setzt alles auf die Zahl 7. Kurz darauf beginnt sich das Rad zu drehen und die Kugel rollt "
          "los. Die Spannung steigt... wo bleibt sie liegen?!\n" +
          kPause + wheel(7) + "Du hast gewonnen! Deinem Konto werden 500 Credits gutgeschrieben.\n" + kPause +
          kIntro + kStakePrompt + kLeave);
  EXPECT_EQ(test.state->spielerliste[0].credits, 1500);
  EXPECT_EQ(test.state->drawCounter, 2);
}

TEST(Casino, AStakeAboveTheBalanceIsPlayedOnCreditAndALossTakesTheStake) {
  TestGame test("100\n2\n0\n");
  test.addPlayer(0, "Anna").credits = 30;
  runCasino(test.game, 0);
  // Seed 1 gives 3 (see above): red loses.
  EXPECT_NE(test.console.output().find(wheel(3) + loss(100)), std::string::npos);
  EXPECT_EQ(test.state->spielerliste[0].credits, -70);
}

TEST(Casino, TheWheelsZeroMakesEveryBetLose) {
  // Seed 972: counter 1, (3212 + 1) % 10 + 1 = 4 (black, and the number bet on 4). The zero test is a
  // fresh draw at the raised counter: (2178 + 2) % 10 = 0 (at counter 1 it would be 9). Of the nine
  // extra draws at counter 2 only the last, (25928 + 2) % 10, is 0: the result becomes 0.
  for (const std::string bet : {"1", "2", "3\n4"}) {
    SCOPED_TRACE(bet);
    TestGame test("100\n" + bet + "\n0\n", 972);
    test.addPlayer(0, "Anna");
    runCasino(test.game, 0);
    EXPECT_NE(test.console.output().find(wheel(0) + loss(100)), std::string::npos);
    EXPECT_EQ(test.state->spielerliste[0].credits, 900);
    EXPECT_EQ(test.state->drawCounter, 2);
    EXPECT_EQ(test.random.next(), 5378);  // the twelfth value: 1 + 1 + 9 draws were made
  }
}

TEST(Casino, AfterAZeroTestHitAllNineExtraDrawsAreMadeAndOneZeroAmongThemIsNeeded) {
  {
    // Seed 97: result (355 + 1) % 10 + 1 = 7, zero test (1738 + 2) % 10 = 0, first extra draw
    // (17358 + 2) % 10 = 0: result 0, and still all nine extra draws are made.
    TestGame test("100\n2\n0\n", 97);
    test.addPlayer(0, "Anna");
    runCasino(test.game, 0);
    EXPECT_NE(test.console.output().find(wheel(0) + loss(100)), std::string::npos);
    EXPECT_EQ(test.random.next(), 32373);
  }
  {
    // Seed 22: result (110 + 1) % 10 + 1 = 2, zero test (14808 + 2) % 10 = 0, none of the nine extra
    // draws at counter 2 is 0: the 2 stays and black wins.
    TestGame test("100\n1\n0\n", 22);
    test.addPlayer(0, "Anna");
    runCasino(test.game, 0);
    EXPECT_NE(test.console.output().find(wheel(2) + "Du hast gewonnen!"), std::string::npos);
    EXPECT_EQ(test.state->spielerliste[0].credits, 1200);
    EXPECT_EQ(test.random.next(), 29070);
  }
}

TEST(Casino, ANegativeStakeIsRefusedAndAskedForAgainOnTheSameScreen) {
  TestGame test("-5\n0\n");
  test.addPlayer(0, "Anna");
  runCasino(test.game, 0);
  EXPECT_EQ(test.console.output(),
            kIntro + kStakePrompt + "\nEin negativer Einsatz ist nicht erlaubt.\n" + kStakePrompt + kLeave);
  EXPECT_EQ(test.console.clearCount(), 1);
  EXPECT_EQ(test.state->spielerliste[0].credits, 1000);
  EXPECT_EQ(test.state->drawCounter, 0);
}

TEST(Casino, AStakeWhoseWinOrLossWouldLeaveTheCreditRangeIsTooHigh) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  struct Case {
    int credits;
    int stake;
    bool refused;
  };
  const Case cases[] = {
      {0, 214748365, true},   // ten times the stake is 2147483650
      {0, 214748364, false},  // 2147483640 fits
      {8, 214748364, true},   // 8 + 2147483640 is one above the largest balance
      {7, 214748364, false},  // exactly the largest balance
      {kMin + 5, 6, true},    // a loss would end one below the smallest balance
      {kMin + 5, 5, false},   // exactly the smallest balance
      {kMax, 1, true},        // any win is too much
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.credits) + " " + std::to_string(c.stake));
    // A refused stake is asked for again and 0 leaves; an accepted one is played on black.
    TestGame test(std::to_string(c.stake) + (c.refused ? "\n0\n" : "\n1\n0\n"));
    test.addPlayer(0, "Anna").credits = c.credits;
    runCasino(test.game, 0);
    const std::string& out = test.console.output();
    if (c.refused) {
      EXPECT_EQ(out, kIntro + kStakePrompt + "\nDieser Einsatz ist zu hoch.\n" + kStakePrompt + kLeave);
      EXPECT_EQ(test.state->spielerliste[0].credits, c.credits);
    } else {
      EXPECT_EQ(out.find(kIntro + kStakePrompt + gameScreen(c.stake)), 0u);
    }
  }
}

}  // namespace
}  // namespace vaskorath::testing
