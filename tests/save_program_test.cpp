// Whole-program save and resume: a campaign set up and saved in round 2 comes back from "autosave.txt".
#include <gtest/gtest.h>

#include <string>

#include "program_runner.h"
#include "save_test_support.h"

namespace vaskorath::testing {
namespace {

// Two players with one home planet each, no outposts, no rebels, three rounds.
const std::string kSetup =
    "n\n"
    "2\n"
    "Anna\nk\n1\nTerra\n1234\n0\n"
    "Bert\nb\n1\nFels\n5678\n0\n"
    "0\n0\n"
    "3\n";

const std::string kNoBattleScreenOfRoundTwo =
    "Runde 2 beginnt.\n\n"
    "Folgende Gefechte gibt es in dieser Runde:\n"
    "------------------------------------------\n"
    "- keine -\n\n"
    "Es werden keine Gefechte durchgefuehrt (Weiter und Autosave mit 0 - Speichern mit 1)?: ";

TEST(SaveProgram, ACampaignSavedInRoundTwoResumesThereFromTheAutosave) {
  TemporaryDirectory directory;
  // Round 1: both players end their turns; round 2: continue with the autosave, two more turns.
  const ProgramRun first = runGame(directory.path(), kSetup + "9\n9\n" + "0\n" + "9\n9\n");
  ASSERT_EQ(first.status, 0) << first.out << first.err;
  const std::string saved = directory.read("autosave.txt");
  const auto lines = splitLines(saved, kSavedLineEnd);
  ASSERT_EQ(lines.size(), 3'250'689u);
  EXPECT_EQ(lines[7 - 1], "Anna");
  EXPECT_EQ(lines[1215 - 1], "Terra (Heimatplanet)");
  EXPECT_EQ(lines[6 - 1], "3");  // a home planet starts fully fortified
  EXPECT_NE(lines[11 - 1], "");  // the first starting unit of the Kadrische Legion in Anna's row
  EXPECT_EQ(lines[6020 + 1215 - 1], "Fels (Heimatplanet)");
  EXPECT_EQ(lines[602007 - 1], "1000");
  EXPECT_EQ(lines[602000 + 13 + 9 - 1], "Bert");
  EXPECT_EQ(lines[3'250'685 - 1], "2");
  EXPECT_EQ(lines[3'250'686 - 1], "3");
  EXPECT_EQ(lines[3'250'689 - 1], "0");

  // Resume: the load is asked for in the first calculation phase, then round 2's no-battle screen.
  const ProgramRun second = runGame(directory.path(), "j\nautosave\n0\n9\n9\n");
  ASSERT_EQ(second.status, 0) << second.out << second.err;
  const std::string loaded = "Letzter Spielstand wurde erfolgreich geladen!\n\n"
                             "Druecken Sie eine beliebige Taste . . .\n";
  const auto loadedAt = second.out.find(loaded);
  ASSERT_NE(loadedAt, std::string::npos) << second.out;
  EXPECT_EQ(second.out.find("Runden) ist beendet."), std::string::npos);
  EXPECT_EQ(second.out.find(kNoBattleScreenOfRoundTwo), loadedAt + loaded.size());
  EXPECT_NE(second.out.find("Runde 2          Anna (Kadrische Legion)"), std::string::npos);
  EXPECT_NE(second.out.find("Runde 2          Bert (Brukkas)"), std::string::npos);
  EXPECT_EQ(second.out.find("Runde 1 "), std::string::npos);
  // The second run saved the loaded campaign again at the same point: same planets, troops, credits.
  EXPECT_EQ(directory.read("autosave.txt"), saved);
  EXPECT_FALSE(std::filesystem::exists(directory.path() / "autosave-vorher-1.txt"));
}

TEST(SaveProgram, ANewCampaignKeepsTheAutosaveOfTheCampaignBeforeIt) {
  TemporaryDirectory directory;
  directory.write("autosave.txt", "der Spielstand der Sommerkampagne");
  directory.write("autosave-vorher-1.txt", "noch aelter");
  const ProgramRun run = runGame(directory.path(), kSetup + "9\n9\n" + "0\n" + "9\n9\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(directory.read("autosave-vorher-1.txt"), "noch aelter");
  EXPECT_EQ(directory.read("autosave-vorher-2.txt"), "der Spielstand der Sommerkampagne");
  EXPECT_EQ(splitLines(directory.read("autosave.txt")).size(), 3'250'689u);
  // Said once, right after the autosave, before the first turn of round 2.
  const std::string notice =
      "Hinweis: Der bisherige Spielstand autosave.txt wurde als autosave-vorher-2.txt aufbewahrt.\n\n"
      "Druecken Sie eine beliebige Taste . . .\n";
  const auto noticeAt = run.out.find(notice);
  ASSERT_NE(noticeAt, std::string::npos) << run.out;
  EXPECT_TRUE(run.out.substr(0, noticeAt).ends_with(kNoBattleScreenOfRoundTwo));
  EXPECT_EQ(run.out.find("Runde 2          Anna"), noticeAt + notice.size());
  EXPECT_EQ(run.out.find("Hinweis:", noticeAt + 1), std::string::npos);
}

TEST(SaveProgram, AFileThatIsNoSaveEndsTheProgramWithStatusOne) {
  TemporaryDirectory directory;
  directory.write("kaputt.txt", "1\n2\n3\n");
  const ProgramRun run = runGame(directory.path(), "j\nkaputt\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.ends_with(
      "Fehler. Datei ist unvollstaendig oder beschaedigt. Programm neu starten!\n\n"
      "Druecken Sie eine beliebige Taste . . .\n"))
      << run.out;
  EXPECT_EQ(directory.read("kaputt.txt"), "1\n2\n3\n");
}

}  // namespace
}  // namespace vaskorath::testing
