// The casino: stake, bets, the wheel with its zero rule, net winnings and the refused stakes.
#include <gtest/gtest.h>

#include <limits>

#include "orders/casino.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";
const std::string kIntro =
    "Gluecksspiel\n------------\n\n"
    "Du betrittst das Casino im Rotlichtviertel wo sich jede Menge dunkler Gestalten aufhalten. Im Casino gehst "
    "du an den Spieltisch fuer Star Roulette, das wie folgt funktioniert:\n"
    "  - Eine Kugel rollt ueber eine sich drehende Scheibe mit den Zahlen von 0 bis 10\n"
    "  - Die 0 ist gruen gefaerbt (hier gewinnt immer die Bank), die Zahlen von 1 bis 5 schwarz und die "
    "Zahlen von 6 bis 10 rot\n"
    "  - Wenn du spielst, bestimmst du deinen Geldeinsatz und waehlst eine Zahl oder eine Farbe\n"
    "  - Landet die Kugel auf der genannten Farbe, wird dein Einsatz verdoppelt (Gewinnchance ca. 50%)\n"
    "  - Landet die Kugel auf der genannten Zahl, wird der Einsatz verzehnfacht (Gewinnchance weniger als "
    "10%)\n"
    "\nWie viel Credits setzt du ein? (Abbruch mit 0): ";
const std::string kLeave = "\n\nAbbruch!\n\n" + kPause;
const std::string kSpin =
    ". Kurz darauf beginnt sich das Rad zu drehen und die Kugel rollt los. Die Spannung steigt... wo bleibt "
    "sie liegen?!\n" + kPause;

std::string gameScreen(int stake) {
  return "Das Casino\n----------\n\nDu hast dich dazu entschieden, " + std::to_string(stake) +
         " Credits einzusetzen. Auf folgende Spieloptionen kannst du wetten: \n1 Auf die Farbe Schwarz\n"
         "2 Auf die Farbe Rot\n3 Auf eine einzelne Zahl\n\nWas moechtest du spielen (Nummer)?: ";
}

std::string wheel(int result) {
  return "Das Rad kommt langsam zum stehen und die Kugel rollt in das Feld mit der Nummer " +
         std::to_string(result) + "!\n\n";
}

std::string win(int amount) {
  return "Du hast gewonnen! Deinem Konto werden " + std::to_string(amount) + " Credits gutgeschrieben.\n" +
         kPause;
}

std::string loss(int stake) {
  return "Du hast verloren! Der Wetteinsatz von " + std::to_string(stake) +
         " Credits wird von deinem Konto abgezogen.\n" + kPause;
}

TEST(Casino, AWonColourBetPaysTwiceTheStakeAndZeroLeaves) {
  TestGame test("100\n1\n0\n");
  test.addPlayer(0, "Anna");
  runCasino(test.game, 0);
  // Seed 1: counter 1, (41 + 1) % 10 + 1 = 3 is black; counter 2, zero test (18467 + 2) % 10 = 9.
  EXPECT_EQ(test.console.output(), kIntro + gameScreen(100) + "Du setzt alles auf die Farbe Schwarz" + kSpin +
                                       wheel(3) + win(200) + kIntro + kLeave);
  EXPECT_EQ(test.state->spielerliste[0].credits, 1200);
  EXPECT_EQ(test.state->drawCounter, 2);
  EXPECT_EQ(test.console.clearCount(), 4);
}

TEST(Casino, ANumberBetOnSevenWithResultSevenAddsTenTimesTheStake) {
  TestGame test("50\n4\n3\n0\n11\n7\n0\n", 2);
  test.addPlayer(0, "Anna");
  runCasino(test.game, 0);
  // Seed 2: counter 1, (45 + 1) % 10 + 1 = 7; counter 2, zero test (29216 + 2) % 10 = 8.
  const std::string number = "\nAuf welche Zahl moechtest du setzen? (Zahl von 1 bis 10): ";
  EXPECT_EQ(test.console.output(), kIntro + gameScreen(50) + gameScreen(50) + number + number + number +
                                       "Du setzt alles auf die Zahl 7" + kSpin + wheel(7) + win(500) + kIntro +
                                       kLeave);
  EXPECT_EQ(test.state->spielerliste[0].credits, 1500);
}

TEST(Casino, TheZeroTestAtTheRaisedCounterNeedsOneZeroOfNineExtraDrawsAndMakesEveryBetLose) {
  struct Case {
    std::uint32_t seed;
    std::string bet;
    int result;
    int credits;
    int nextValue;  // the twelfth value of the seed: always 1 + 1 + 9 draws
  };
  const Case cases[] = {
      // Seed 972: result 4, zero test (2178 + 2) % 10 = 0 (9 at counter 1); only the ninth extra draw
      // (25928 + 2) % 10 is 0: the result becomes 0 for black, red and the number 4 alike.
      {972, "1", 0, 900, 5378},
      {972, "2", 0, 900, 5378},
      {972, "3\n4", 0, 900, 5378},
      // Seed 97: result 7, zero test 0 and already the first extra draw (17358 + 2) % 10 is 0.
      {97, "2", 0, 900, 32373},
      // Seed 22: result 2, zero test (14808 + 2) % 10 = 0, but no extra draw is 0: black wins.
      {22, "1", 2, 1200, 29070},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seed);
    TestGame test("100\n" + c.bet + "\n0\n", c.seed);
    test.addPlayer(0, "Anna");
    runCasino(test.game, 0);
    EXPECT_NE(test.console.output().find(wheel(c.result) + (c.credits > 1000 ? win(200) : loss(100))),
              std::string::npos);
    EXPECT_EQ(test.state->spielerliste[0].credits, c.credits);
    EXPECT_EQ(test.random.next(), c.nextValue);
  }
}

TEST(Casino, AStakeAboveTheBalanceIsPlayedOnCredit) {
  TestGame test("100\n2\n0\n");
  test.addPlayer(0, "Anna").credits = 30;
  runCasino(test.game, 0);
  EXPECT_NE(test.console.output().find(wheel(3) + loss(100)), std::string::npos);  // seed 1: red loses
  EXPECT_EQ(test.state->spielerliste[0].credits, -70);
}

TEST(Casino, NegativeStakesAndStakesThatCouldLeaveTheCreditRangeAreAskedForAgain) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  const std::string negative = "\nEin negativer Einsatz ist nicht erlaubt.\n";
  const std::string tooHigh = "\nDieser Einsatz ist zu hoch.\n";
  const std::tuple<int, int, std::string> cases[] = {
      {1000, -5, negative},
      {0, 214748365, tooHigh},  // ten times the stake is 2147483650
      {0, 214748364, ""},
      {8, 214748364, tooHigh},  // a number bet's win ends one above the largest balance
      {7, 214748364, ""},
      {kMin + 5, 6, tooHigh},  // a loss ends one below the smallest balance
      {kMin + 5, 5, ""},
      {kMax, 1, tooHigh},
  };
  const std::string stakePrompt = "\nWie viel Credits setzt du ein? (Abbruch mit 0): ";
  for (const auto& [credits, stake, refusal] : cases) {
    SCOPED_TRACE(std::to_string(credits) + " " + std::to_string(stake));
    // A refused stake is asked for again on the same screen and 0 leaves; an accepted one is played.
    TestGame test(std::to_string(stake) + (refusal.empty() ? "\n1\n0\n" : "\n0\n"));
    test.addPlayer(0, "Anna").credits = credits;
    runCasino(test.game, 0);
    if (refusal.empty()) {
      EXPECT_TRUE(test.console.output().starts_with(kIntro + gameScreen(stake)));
    } else {
      EXPECT_EQ(test.console.output(), kIntro + refusal + stakePrompt + kLeave);
      EXPECT_EQ(test.console.clearCount(), 1);
      EXPECT_EQ(test.state->spielerliste[0].credits, credits);
    }
  }
}

}  // namespace
}  // namespace vaskorath::testing
