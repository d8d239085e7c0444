// Casino: the stake, the three bets, the wheel and the payout.
#include "orders/casino.h"

#include <limits>
#include <string>

#include "console/console.h"
#include "orders/forum.h"
#include "state/campaign_state.h"
#include "state/random.h"

namespace vaskorath {

namespace {

enum class Bet { kBlack = 1, kRed = 2, kNumber = 3 };

constexpr int kColourPayout = 2;
constexpr int kNumberPayout = 10;
constexpr int kExtraZeroDraws = 9;

void showCasinoIntro(Console& console) {
  console.clearScreen();
  console.print(
      "Gluecksspiel\n", std::string(12, '-'), "\n\n",
      "Du betrittst das Casino im Rotlichtviertel wo sich jede Menge dunkler Gestalten aufhalten. "
      "Im Casino gehst du an den Spieltisch fuer Star Roulette, das wie folgt funktioniert:\n",
      "  - Eine Kugel rollt ueber eine sich drehende Scheibe mit den Zahlen von 0 bis 10\n",
      "  - Die 0 ist gruen gefaerbt (hier gewinnt immer die Bank), die Zahlen von 1 bis 5 schwarz und "
      "die Zahlen von 6 bis 10 rot\n",
      "  - Wenn du spielst, bestimmst du deinen Geldeinsatz und waehlst eine Zahl oder eine Farbe\n",
      "  - Landet die Kugel auf der genannten Farbe, wird dein Einsatz verdoppelt "
      "(Gewinnchance ca. 50%)\n",
      "  - Landet die Kugel auf der genannten Zahl, wird der Einsatz verzehnfacht "
      "(Gewinnchance weniger als 10%)\n");
}

// True when a number bet's win, or a loss, would take the balance out of the credit range.
bool exceedsCreditRange(int credits, int stake) {
  const long long largestWin = static_cast<long long>(stake) * kNumberPayout;
  return largestWin > std::numeric_limits<int>::max() ||
         credits + largestWin > std::numeric_limits<int>::max() ||
         static_cast<long long>(credits) - stake < std::numeric_limits<int>::min();
}

// Reads stakes until one is 0 or can be played; the casino gives credit, so a stake above the
// balance is accepted.
int readStake(Game& game, int player) {
  Console& console = game.console;
  const int credits = game.state.spielerliste[player].credits;
  for (;;) {
    console.write("\nWie viel Credits setzt du ein? (Abbruch mit 0): ");
    const int stake = console.readNumber();
    if (stake < 0) {
      console.write("\nEin negativer Einsatz ist nicht erlaubt.\n");
    } else if (exceedsCreditRange(credits, stake)) {
      console.write("\nDieser Einsatz ist zu hoch.\n");
    } else {
      return stake;
    }
  }
}

// Shows the game screen until one of the three bets is chosen.
Bet chooseBet(Console& console, int stake) {
  for (;;) {
    console.clearScreen();
    console.print("Das Casino\n", std::string(10, '-'), "\n\n", "Du hast dich dazu entschieden, ", stake,
                  " Credits einzusetzen. Auf folgende Spieloptionen kannst du wetten: \n",
                  "1 Auf die Farbe Schwarz\n"
                  "2 Auf die Farbe Rot\n"
                  "3 Auf eine einzelne Zahl\n"
                  "\n"
                  "Was moechtest du spielen (Nummer)?: ");
    const int choice = console.readNumber();
    if (choice >= 1 && choice <= 3) return static_cast<Bet>(choice);
  }
}

int readBetNumber(Console& console) {
  for (;;) {
    console.write("\nAuf welche Zahl moechtest du setzen? (Zahl von 1 bis 10): ");
    const int number = console.readNumber();
    if (number >= 1 && number <= 10) return number;
  }
}

// Announces the bet; returns the number bet on (0 for a colour).
int placeBet(Game& game, Bet bet) {
  Console& console = game.console;
  int number = 0;
  switch (bet) {
    case Bet::kBlack:
      console.write(
          "Du setzt alles auf die Farbe Schwarz. Kurz darauf beginnt sich das Rad zu drehen und die Kugel "
          "rollt los. Die Spannung steigt... wo bleibt sie liegen?!\n");
      break;
    case Bet::kRed:
      console.write(
          "Du setzt alles auf die Farbe Rot. Kurz darauf beginnt sich das Rad zu drehen und die Kugel "
          "rollt los. Die Spannung steigt... wo bleibt sie liegen?!\n");
      break;
    case Bet::kNumber:
      number = readBetNumber(console);
      console.print("Du setzt alles auf die Zahl ", number,
                    ". Kurz darauf beginnt sich das Rad zu drehen und die Kugel rollt los. Die Spannung "
                    "steigt... wo bleibt sie liegen?!\n");
      break;
  }
  console.pause();
  console.clearScreen();
  return number;
}

// The wheel's result 0 to 10: a number draw, then a zero test with the raised counter which, when
// it hits, needs one hit among nine more draws; all nine are drawn either way.
int spinWheel(Game& game) {
  int& drawCounter = game.state.drawCounter;
  int result = game.random.nextDigit(drawCounter) + 1;
  ++drawCounter;
  if (game.random.nextDigit(drawCounter) == 0) {
    bool green = false;
    for (int draw = 0; draw < kExtraZeroDraws; ++draw) {
      if (game.random.nextDigit(drawCounter) == 0) green = true;
    }
    if (green) result = 0;
  }
  game.console.print("Das Rad kommt langsam zum stehen und die Kugel rollt in das Feld mit der Nummer ",
                     result, "!\n\n");
  return result;
}

bool isWin(Bet bet, int number, int result) {
  switch (bet) {
    case Bet::kBlack: return result >= 1 && result <= 5;
    case Bet::kRed: return result >= 6 && result <= 10;
    case Bet::kNumber: return result == number;
  }
  return false;
}

// One game: bet, spin and settle. Winnings are net: a win adds the payout, a loss takes the stake.
void playGame(Game& game, int player, int stake) {
  Console& console = game.console;
  const Bet bet = chooseBet(console, stake);
  ++game.state.drawCounter;
  const int number = placeBet(game, bet);
  const int result = spinWheel(game);
  int& credits = game.state.spielerliste[player].credits;
  if (isWin(bet, number, result)) {
    const int payout = stake * (bet == Bet::kNumber ? kNumberPayout : kColourPayout);
    credits += payout;
    console.print("Du hast gewonnen! Deinem Konto werden ", payout, " Credits gutgeschrieben.\n");
  } else {
    credits -= stake;
    console.print("Du hast verloren! Der Wetteinsatz von ", stake,
                  " Credits wird von deinem Konto abgezogen.\n");
  }
  console.pause();
}

}  // namespace

void runCasino(Game& game, int player) {
  for (;;) {
    showCasinoIntro(game.console);
    const int stake = readStake(game, player);
    if (stake == 0) {
      showForumNotice(game.console, "Abbruch!");
      return;
    }
    playGame(game, player, stake);
  }
}

}  // namespace vaskorath
