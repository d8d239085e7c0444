// A message and a gift typed into the real binary reach the other player in the same round.
#include <gtest/gtest.h>

#include "program_runner.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

TEST(ForumProgram, AMessageAndAGiftOfRoundOneAreShownToTheRecipientOnce) {
  TemporaryDirectory directory;
  const std::string input =
      "n"
      "2"
      "Anna\nk\n1\nTerra\n0101\n0\n"
      "Bert\nx\n1\nGaia\n0201\n0\n"
      "0\n0\n"
      "2\n"
      "8"  // Anna opens the forum, writes to Bert, gives him 250 credits and leaves
      "1\nBert\nHallo Bert, Frieden?\n"
      "2\nBert\n250\n"
      "0\n"
      "9"
      "9";
  const ProgramRun run = runGame(directory.path(), input);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string& out = run.out;
  EXPECT_NE(out.find("\n\nDanke, die Nachricht wurde versendet!\n\n"), std::string::npos);
  EXPECT_NE(out.find("\nErledigt. Es wurden 250 Credits an Bert uebertragen!\n\n"), std::string::npos);
  EXPECT_NE(out.find("Runde 1          Anna (Kadrische Legion)          750 Credits\n\n"), std::string::npos);
  const std::string bertsNews =
      "Runde 1          Bert (Xelthar-Bund)\n\n"
      "Druecken Sie eine beliebige Taste . . .\n"
      "Freudige Nachricht. Anna hat dir 250 Credits geschenkt!\n\n"
      "Druecken Sie eine beliebige Taste . . .\n"
      "Du hast folgende Nachrichten von deinen Mitspielern erhalten:\n"
      "  Von Anna: Hallo Bert, Frieden?\n"
      "\n\n"
      "Druecken Sie eine beliebige Taste . . .\n"
      "Runde 1          Bert (Xelthar-Bund)          1250 Credits\n\n";
  EXPECT_EQ(countOccurrences(out, bertsNews), 1);
  EXPECT_EQ(countOccurrences(out, "Freudige Nachricht."), 1);
  EXPECT_EQ(countOccurrences(out, "  Von Anna: "), 1);
}

}  // namespace
}  // namespace vaskorath::testing
