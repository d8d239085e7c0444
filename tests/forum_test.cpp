// The forum menu, messages to other players and credit transfers with the gift notice.
#include <gtest/gtest.h>

#include <limits>

#include "flow/main_menu.h"
#include "orders/forum.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";
const std::string kMenu =
    "8 Forum\n-------\n\n"
    "Hier kannst du kommunizieren und dir mit deinen Credits ein paar Vorteile verschaffen\n" +
    std::string(85, '-') +
    "\n1 Nachrichten an Mitspieler\n2 Credits an einen Mitspieler uebertragen\n"
    "3 Soeldner anheuern\n4 Gluecksspiel\n\nWas moechtest du tun? (Nummer - Abbruch mit 0): ";
const std::string kMessageHeader =
    "Nachrichten an Mitspieler\n-------------------------\n\n"
    "An welchen Spieler soll eine Nachricht uebermittelt werden? (Name): ";
const std::string kTransferHeader =
    "Credits an einen Mitspieler uebertragen\n---------------------------------------\n\n"
    "An welchen Spieler sollen Credits uebertragen werden? (Name): ";
const std::string kAmountPrompt =
    "\nWie viele Credits sollen uebertragen werden? (du hast 1000 Credits - Abbruch mit 0): ";

TEST(Forum, TheMenuRefusesOtherNumbersAndRunsTheMessageAndTransferDialogues) {
  TestGame test("7\n1\nBert   \nHallo Bert, wir greifen an!\n2\nBert\n250\n0\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert").credits = 40;
  runForum(test.game, 0);
  EXPECT_EQ(test.console.output(),
            kMenu + "\n\nFalsche Auswahl!\n\n" + kPause + kMenu + kMessageHeader +
                "\nWie lautet deine Nachricht an Bert?: \n\nDanke, die Nachricht wurde versendet!\n\n" +
                kPause + kMenu + kTransferHeader + kAmountPrompt +
                "\nErledigt. Es wurden 250 Credits an Bert uebertragen!\n\n" + kPause + kMenu);
  // The blanks behind the name are the rest of its line and are discarded before the message line.
  EXPECT_EQ(test.state->spielernachrichten[1][0], "  Von Anna: Hallo Bert, wir greifen an!");
  EXPECT_EQ(test.state->spielerliste[0].credits, 750);
  EXPECT_EQ(test.state->spielerliste[1].credits, 290);
  EXPECT_EQ(test.state->creditgabemenge[1], 250);
  EXPECT_EQ(test.state->creditgabehinweis[1], 0);
}

TEST(Forum, MainMenuEntryEightOpensTheForumAndZeroGoesBack) {
  TestGame test("8 0 9");
  test.addPlayer(0, "Anna");
  test.state->runde = 2;
  runMainMenu(test.game, 0);
  EXPECT_NE(test.console.output().find("Auswahl (1-9):" + kMenu + "Runde 2          Anna"), std::string::npos);
}

TEST(ForumMessages, AMessageEndsAfterFiveHundredCharactersWithANote) {
  TestGame test("1\nBert\n" + std::string(500, 'x') + "\n1\nBert\n" + std::string(501, 'y') + "\n0\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  runForum(test.game, 0);
  EXPECT_EQ(test.state->spielernachrichten[1][0], "  Von Anna: " + std::string(500, 'x'));
  EXPECT_EQ(test.state->spielernachrichten[1][1], "  Von Anna: " + std::string(500, 'y'));
  const std::string cut = "\n\nDie Nachricht wurde nach 500 Zeichen gekuerzt.\nDanke, die Nachricht wurde versendet!\n\n";
  EXPECT_TRUE(test.console.output().ends_with(cut + kPause + kMenu));
  EXPECT_EQ(countOccurrences(test.console.output(), "gekuerzt"), 1);

  // Characters count and the cut never splits one; a line that is no UTF-8 counts its bytes.
  std::string umlauts;
  for (int count = 0; count < 501; ++count) umlauts += "\xc3\xa4";
  TestGame wide("1\nBert\n" + umlauts + "\n1\nBert\n\xa4" + umlauts + "\n0\n");
  wide.addPlayer(0, "Anna");
  wide.addPlayer(1, "Bert");
  runForum(wide.game, 0);
  EXPECT_EQ(wide.state->spielernachrichten[1][0], "  Von Anna: " + umlauts.substr(0, 1000));
  EXPECT_EQ(wide.state->spielernachrichten[1][1], "  Von Anna: \xa4" + umlauts.substr(0, 499));  // 500 bytes
}

TEST(ForumMessages, TheRebelsAndNamesOfAnotherCaseAreNoRecipients) {
  for (const std::string name : {"Rebellen", "anna"}) {
    TestGame test("1\n" + name + "\n0\n");
    test.addPlayer(0, "Anna");
    test.addRebels();
    runForum(test.game, 0);
    EXPECT_EQ(test.console.output(),
              kMenu + kMessageHeader + "\n\nSpielername existiert nicht. Abbruch!\n\n" + kPause + kMenu);
    EXPECT_EQ(test.state->spielernachrichten[0][0], "");
  }
}

TEST(ForumMessages, TheHundredthMessageIsStoredAndTheHundredFirstRefusedWithoutReadingItsLine) {
  // Both go to the sender herself; the hundredth is an empty line and fills the hole at slot 50.
  TestGame test("1\nAnna\n\n1\nAnna\nNoch eine\n0\n");
  test.addPlayer(0, "Anna");
  auto& inbox = test.state->spielernachrichten[0];
  for (int slot = 0; slot < kInboxSize; ++slot) inbox[slot] = slot == 50 ? "" : "  Von Bert: alt";
  runForum(test.game, 0);
  EXPECT_EQ(inbox[50], "  Von Anna: ");
  // The unread message line is left to the menu's number prompt, which refuses its two words.
  const std::string invalid = "Ungueltige Eingabe, bitte eine ganze Zahl eingeben: ";
  EXPECT_TRUE(test.console.output().ends_with(
      "\nWie lautet deine Nachricht an Anna?: \n\nDie Nachricht konnte nicht versendet werden. "
      "Nachrichtenspeicher des Empfaengers ist voll. Abbruch!\n\n" +
      kPause + kMenu + invalid + invalid));
}

TEST(ForumTransfer, AllCreditsCanBeGivenAndOfTwoGiftsBothArriveButOnlyTheSecondIsAnnounced) {
  TestGame test("2\nCara\n1000\n0\n2\nCara\n30\n0\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addPlayer(2, "Cara");
  runForum(test.game, 0);
  runForum(test.game, 1);
  EXPECT_EQ(test.state->spielerliste[0].credits, 0);
  EXPECT_EQ(test.state->spielerliste[2].credits, 2030);
  EXPECT_EQ(test.state->creditgabemenge[2], 30);
  EXPECT_EQ(test.state->creditgabehinweis[2], 1);
}

TEST(ForumTransfer, EveryRefusalLeavesBalancesAndNoticeAsTheyWere) {
  constexpr int kMax = std::numeric_limits<int>::max();
  const std::string noName = "\nFalscher Name, Spieler existiert nicht. Abbruch!\n\n";
  const std::tuple<std::string, int, std::string> cases[] = {
      {"Rebellen", 0, noName},
      {"bert", 0, noName},
      {"Anna", 0, "\nCredits koennen nicht an sich selbst uebertragen werden. Abbruch!\n\n"},
      {"Bert\n1001", 0, kAmountPrompt + "\nSo viele Credits hast du nicht. Abbruch!\n\n"},
      {"Bert\n0", 0, kAmountPrompt + "\nAbbruch!\n\n"},
      {"Bert\n-5", 0, kAmountPrompt + "\nAbbruch!\n\n"},
      {"Bert\n11", kMax - 10,  // one above the largest balance
       kAmountPrompt + "\nDer Empfaenger kann so viele Credits nicht annehmen. Abbruch!\n\n"},
  };
  for (const auto& [input, bertCredits, message] : cases) {
    SCOPED_TRACE(input);
    TestGame test("2\n" + input + "\n0\n");
    test.addPlayer(0, "Anna");
    test.addPlayer(1, "Bert").credits = bertCredits;
    test.addRebels();
    runForum(test.game, 0);
    EXPECT_EQ(test.console.output(), kMenu + kTransferHeader + message + kPause + kMenu);
    EXPECT_EQ(test.state->spielerliste[0].credits, 1000);
    EXPECT_EQ(test.state->spielerliste[1].credits, bertCredits);
    EXPECT_EQ(test.state->spielerliste[kRebelFaction].credits, 0);
    EXPECT_EQ(test.state->creditgabehinweis[1], kNobody);
  }
}

}  // namespace
}  // namespace vaskorath::testing
