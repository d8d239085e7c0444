// The main menu: its screen, the keys it takes, when it does not appear, and the round-1 news.
#include <gtest/gtest.h>

#include "flow/main_menu.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kMenuEntries =
    "1 Sternenkarte\n"
    "2 Planeten und Aussenposten\n"
    "3 Eigene Truppenteile\n"
    "4 Gegnerische Truppenteile\n"
    "5 Spionageaktivitaeten\n"
    "6 Angriffs-, Marsch- oder Erkundungsbefehl\n"
    "7 Produktionsauftrag\n"
    "8 Forum\n"
    "9 Rundenende\n"
    "\n"
    "Auswahl (1-9):";

TEST(MainMenu, ShowsTheHeaderAndTheNineEntriesAndEndsTheTurnWithNine) {
  TestGame test("9X");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert", "Morgathen").credits = 735;
  test.state->runde = 4;
  runMainMenu(test.game, 1);
  EXPECT_EQ(test.console.output(),
            "Runde 4          Bert (Morgathen)          735 Credits\n\n" + kMenuEntries);
  EXPECT_EQ(test.console.clearCount(), 1);
  // Exactly one key is taken to end the turn.
  EXPECT_EQ(test.console.readKey(), 'X');
}

TEST(MainMenu, OtherKeysShowTheMenuAgain) {
  TestGame test("a0x#9");  // entries 1 to 8 open their own screens, see their tests
  test.addPlayer(0, "Anna");
  test.state->runde = 2;
  runMainMenu(test.game, 0);
  const std::string menu =
      "Runde 2          Anna (Kadrische Legion)          1000 Credits\n\n" + kMenuEntries;
  std::string expected;
  for (int shown = 0; shown < 5; ++shown) expected += menu;
  EXPECT_EQ(test.console.output(), expected);
  EXPECT_EQ(test.console.clearCount(), 5);
  EXPECT_EQ(test.console.pauseCount(), 0);
}

TEST(MainMenu, EntriesTwoAndThreeShowTheirViewAndReturnToTheMenu) {
  TestGame test("239");
  test.addPlayer(0, "Anna");
  test.addLocation("Terra", "Anna");
  test.state->runde = 2;
  runMainMenu(test.game, 0);
  const std::string& out = test.console.output();
  const auto planets = out.find("2 Planeten und Aussenposten\n---------------------------\n\n");
  const auto troops = out.find("3 Eigene Truppenteile\n---------------------\n\n");
  ASSERT_NE(planets, std::string::npos);
  ASSERT_NE(troops, std::string::npos);
  EXPECT_LT(planets, troops);
  EXPECT_EQ(countOccurrences(out, kMenuEntries), 3);
  EXPECT_EQ(test.console.pauseCount(), 2);
}

TEST(MainMenu, EndsTheTurnAtOnceInTheLastRoundAndForAnEmptySlot) {
  {
    TestGame test("9");
    test.addPlayer(0, "Anna");
    test.state->runde = 7;
    test.state->endrunde = 7;
    runMainMenu(test.game, 0);
    EXPECT_EQ(test.console.output(), "");
    EXPECT_EQ(test.console.clearCount(), 0);
    EXPECT_EQ(test.console.readKey(), '9');  // no key was taken
  }
  {
    TestGame test("9");
    test.addPlayer(0, "Anna");
    test.addPlayer(2, "Cara");
    runMainMenu(test.game, 1);
    EXPECT_EQ(test.console.output(), "");
    EXPECT_EQ(test.console.readKey(), '9');
  }
}

TEST(MainMenu, InRoundOneAGiftAndTheMessagesAreShownOnceAndThenCleared) {
  TestGame test("x9");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.state->creditgabemenge[0] = 150;
  test.state->creditgabehinweis[0] = 1;
  auto& inbox = test.state->spielernachrichten[0];
  inbox[0] = "  Von Bert: Hallo";
  inbox[1] = "  Von Bert: Frieden?";
  inbox[3] = "  Von Cara: hinter einer Luecke";  // after the first free slot: not shown
  runMainMenu(test.game, 0);

  const std::string menu =
      "Runde 1          Anna (Kadrische Legion)          1000 Credits\n\n" + kMenuEntries;
  EXPECT_EQ(test.console.output(),
            "Freudige Nachricht. Bert hat dir 150 Credits geschenkt!\n\n"
            "Druecken Sie eine beliebige Taste . . .\n"
            "Du hast folgende Nachrichten von deinen Mitspielern erhalten:\n"
            "  Von Bert: Hallo\n"
            "  Von Bert: Frieden?\n"
            "\n\n"
            "Druecken Sie eine beliebige Taste . . .\n" +
                menu + menu);
  EXPECT_EQ(test.state->creditgabemenge[0], 0);
  EXPECT_EQ(test.state->creditgabehinweis[0], kNobody);
  EXPECT_EQ(inbox[0], "");
  EXPECT_EQ(inbox[1], "");
  EXPECT_EQ(inbox[3], "  Von Cara: hinter einer Luecke");
  // The gift and the messages each end with a cleared screen before the menu.
  EXPECT_EQ(test.console.currentScreen(), menu);
}

TEST(MainMenu, FromRoundTwoOnTheMenuLeavesGiftsAndMessagesToTheRoundReport) {
  TestGame test("9");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.state->runde = 2;
  test.state->creditgabemenge[0] = 150;
  test.state->creditgabehinweis[0] = 1;
  test.state->spielernachrichten[0][0] = "  Von Bert: Hallo";
  runMainMenu(test.game, 0);
  EXPECT_EQ(countOccurrences(test.console.output(), "Freudige Nachricht."), 0);
  EXPECT_EQ(countOccurrences(test.console.output(), "Nachrichten"), 0);
  EXPECT_EQ(test.state->creditgabemenge[0], 150);
  EXPECT_EQ(test.state->creditgabehinweis[0], 1);
  EXPECT_EQ(test.state->spielernachrichten[0][0], "  Von Bert: Hallo");
}

}  // namespace
}  // namespace vaskorath::testing
