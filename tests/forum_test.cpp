// The forum menu, messages to other players and credit transfers with the gift notice.
#include <gtest/gtest.h>

#include <limits>

#include "orders/forum.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kForumMenu =
    "8 Forum\n"
    "-------\n"
    "\n"
    "Hier kannst du kommunizieren und dir mit deinen Credits ein paar Vorteile verschaffen\n" +
    std::string(85, '-') +
    "\n"
    "1 Nachrichten an Mitspieler\n"
    "2 Credits an einen Mitspieler uebertragen\n"
    "3 Soeldner anheuern\n"
    "4 Gluecksspiel\n"
    "\n"
    "Was moechtest du tun? (Nummer - Abbruch mit 0): ";

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";

const std::string kMessageHeader =
    "Nachrichten an Mitspieler\n"
    "-------------------------\n"
    "\n"
    "An welchen Spieler soll eine Nachricht uebermittelt werden? (Name): ";

const std::string kTransferHeader =
    "Credits an einen Mitspieler uebertragen\n"
    "---------------------------------------\n"
    "\n"
    "An welchen Spieler sollen Credits uebertragen werden? (Name): ";

TEST(Forum, AnUnknownChoiceIsRefusedAndZeroReturnsToTheMainMenu) {
  TestGame test("7\n-1\n0\nX");
  test.addPlayer(0, "Anna");
  runForum(test.game, 0);
  const std::string refusal = "\n\nFalsche Auswahl!\n\n" + kPause;
  EXPECT_EQ(test.console.output(), kForumMenu + refusal + kForumMenu + refusal + kForumMenu);
  EXPECT_EQ(test.console.clearCount(), 3);
  EXPECT_EQ(test.console.readKey(), 'X');
}

TEST(ForumMessages, AMessageLineWithBlanksGoesIntoTheFirstFreeSlotOfTheRecipient) {
  TestGame test("1\nBert   \nHallo Bert, wir greifen an!\n0\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  auto& inbox = test.state->spielernachrichten[1];
  inbox[0] = "  Von Cara: alt";
  inbox[2] = "  Von Cara: hinter der Luecke";
  runForum(test.game, 0);
  EXPECT_EQ(test.console.output(), kForumMenu + kMessageHeader +
                                       "\nWie lautet deine Nachricht an Bert?: "
                                       "\n\nDanke, die Nachricht wurde versendet!\n\n" +
                                       kPause + kForumMenu);
  // The blanks after the name are the rest of the name's line and are discarded.
  EXPECT_EQ(inbox[1], "  Von Anna: Hallo Bert, wir greifen an!");
  EXPECT_EQ(inbox[2], "  Von Cara: hinter der Luecke");
  EXPECT_EQ(inbox[3], "");
}

TEST(ForumMessages, AnEmptyLineIsAMessageAndSendingToOneselfIsAllowed) {
  TestGame test("1 Anna\n\n0\n");
  test.addPlayer(0, "Anna");
  runForum(test.game, 0);
  EXPECT_EQ(test.state->spielernachrichten[0][0], "  Von Anna: ");
  EXPECT_EQ(test.state->spielernachrichten[0][1], "");
}

TEST(ForumMessages, NamesThatAreNoPlayerAreRefusedAndNoLineIsRead) {
  // "Rebellen" is the rebels' name, "anna" differs in case: neither is one of the five players.
  for (const std::string name : {"Rebellen", "anna", "Dora"}) {
    SCOPED_TRACE(name);
    TestGame test("1\n" + name + "\n0\n");
    test.addPlayer(0, "Anna");
    test.addRebels();
    const auto before = test.state->spielernachrichten;
    runForum(test.game, 0);
    EXPECT_EQ(
        test.console.output(),
        kForumMenu + kMessageHeader + "\n\nSpielername existiert nicht. Abbruch!\n\n" + kPause + kForumMenu);
    EXPECT_EQ(test.state->spielernachrichten, before);
  }
}

TEST(ForumMessages, TheHundredthMessageIsStoredAndTheHundredFirstRefusedWithoutReadingItsLine) {
  TestGame test("1\nBert\nHundertste\n1\nBert\nNoch eine\n0\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  auto& inbox = test.state->spielernachrichten[1];
  for (int slot = 0; slot < 99; ++slot) inbox[slot] = "  Von Cara: " + std::to_string(slot);
  runForum(test.game, 0);
  EXPECT_EQ(inbox[99], "  Von Anna: Hundertste");
  EXPECT_EQ(inbox[98], "  Von Cara: 98");
  const std::string refusal =
      "\nWie lautet deine Nachricht an Bert?: "
      "\n\nDie Nachricht konnte nicht versendet werden. Nachrichtenspeicher des Empfaengers ist voll. "
      "Abbruch!\n\n" +
      kPause;
  // The unread message line is left to the forum menu's prompt, which refuses its two words.
  const std::string invalid = "Ungueltige Eingabe, bitte eine ganze Zahl eingeben: ";
  const std::string& out = test.console.output();
  const auto refused = out.find(refusal);
  ASSERT_NE(refused, std::string::npos);
  EXPECT_EQ(out.substr(refused + refusal.size()), kForumMenu + invalid + invalid);
}

TEST(ForumTransfer, CreditsMoveAtOnceAndTheRecipientGetsTheGiftNotice) {
  TestGame test("2\nBert\n250\n0\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert").credits = 40;
  runForum(test.game, 0);
  EXPECT_EQ(test.console.output(),
            kForumMenu + kTransferHeader +
                "\nWie viele Credits sollen uebertragen werden? (du hast 1000 Credits - "
                "Abbruch mit 0): "
                "\nErledigt. Es wurden 250 Credits an Bert uebertragen!\n\n" +
                kPause + kForumMenu);
  EXPECT_EQ(test.state->spielerliste[0].credits, 750);
  EXPECT_EQ(test.state->spielerliste[1].credits, 290);
  EXPECT_EQ(test.state->creditgabemenge[1], 250);
  EXPECT_EQ(test.state->creditgabehinweis[1], 0);
  EXPECT_EQ(test.state->creditgabehinweis[0], kNobody);
}

TEST(ForumTransfer, AllCreditsCanBeGivenAndTheRecipientMayReachTheLargestBalance) {
  constexpr int kMax = std::numeric_limits<int>::max();
  TestGame test("2\nBert\n1000\n0\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert").credits = kMax - 1000;
  runForum(test.game, 0);
  EXPECT_EQ(test.state->spielerliste[0].credits, 0);
  EXPECT_EQ(test.state->spielerliste[1].credits, kMax);
}

TEST(ForumTransfer, TwoGiftsInOneRoundAreBothCreditedAndOnlyTheSecondIsAnnounced) {
  TestGame test("2\nCara\n100\n0\n2\nCara\n30\n0\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addPlayer(2, "Cara");
  runForum(test.game, 0);
  runForum(test.game, 1);
  EXPECT_EQ(test.state->spielerliste[2].credits, 1130);
  EXPECT_EQ(test.state->creditgabemenge[2], 30);
  EXPECT_EQ(test.state->creditgabehinweis[2], 1);
}

TEST(ForumTransfer, EveryRefusalLeavesBothBalancesAndTheNoticeAsTheyWere) {
  constexpr int kMax = std::numeric_limits<int>::max();
  struct Case {
    std::string input;
    int bertCredits;
    std::string ending;  // what follows the header, up to the pause
  };
  const std::string amountPrompt =
      "\nWie viele Credits sollen uebertragen werden? (du hast 1000 Credits - Abbruch mit 0): ";
  const Case cases[] = {
      {"Rebellen", 0, "\nFalscher Name, Spieler existiert nicht. Abbruch!\n\n"},
      {"bert", 0, "\nFalscher Name, Spieler existiert nicht. Abbruch!\n\n"},
      {"Anna", 0, "\nCredits koennen nicht an sich selbst uebertragen werden. Abbruch!\n\n"},
      {"Bert\n1001", 0, amountPrompt + "\nSo viele Credits hast du nicht. Abbruch!\n\n"},
      {"Bert\n0", 0, amountPrompt + "\nAbbruch!\n\n"},
      {"Bert\n-5", 0, amountPrompt + "\nAbbruch!\n\n"},
      // kMax - 10 + 11 leaves the credit range.
      {"Bert\n11", kMax - 10,
       amountPrompt + "\nDer Empfaenger kann so viele Credits nicht annehmen. Abbruch!\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    TestGame test("2\n" + c.input + "\n0\n");
    test.addPlayer(0, "Anna");
    test.addPlayer(1, "Bert").credits = c.bertCredits;
    test.addRebels();
    runForum(test.game, 0);
    EXPECT_EQ(test.console.output(), kForumMenu + kTransferHeader + c.ending + kPause + kForumMenu);
    EXPECT_EQ(test.state->spielerliste[0].credits, 1000);
    EXPECT_EQ(test.state->spielerliste[1].credits, c.bertCredits);
    EXPECT_EQ(test.state->spielerliste[kRebelFaction].credits, 0);
    EXPECT_EQ(test.state->creditgabemenge[1], 0);
    EXPECT_EQ(test.state->creditgabehinweis[1], kNobody);
  }
}

}  // namespace
}  // namespace vaskorath::testing
