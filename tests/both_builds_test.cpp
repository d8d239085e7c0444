// This build against the Windows build under Wine: the same screens, and each loads the other's saves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "program_runner.h"
#include "save_test_support.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

// Scenarios whose screens depend on nothing drawn from the clock-seeded generator (no rebels, no
// reconnaissance, no casino), so two runs of either build print the same bytes.

// Anna: Terra (Heimatplanet) 0101, Luna 0201. Bert: Fels (Heimatplanet) 0103, the outpost Stein
// 0102. No rebels, four rounds.
const std::string kSetup =
    "n\n2\n"
    "Anna\nk\n2\nTerra\n0101\nLuna\n0201\n0\n"
    "Bert\nb\n1\nFels\n0103\n1\nStein\n0102\n"
    "0\n0\n4\n";
// Round 1: Anna looks at the star map (there is none, so the situation map is opened: no viewer
// on a test machine), the planets, her troops, the enemy's and the spies, and leaves their menu;
// she sends three Sturmtrupps against Fels and one to Luna. Round 2: the save question of the open
// battle menu declined, the battle (Anna wins, one unit lost), the autosave, two reports. Round 3:
// no battles, the autosave and two more reports. (No list of saves: it would show the restore
// point each build wrote itself, whose size counts the line ends.)
const std::string kCampaign = kSetup +
                              "1\n2\n3\n4\n5\n0\n"
                              "6\n1\n2\n3\n4\n0\nFels\nn\nj\n"
                              "6\n1\n2\n0\nLuna\nj\n"
                              "9\n9\n"
                              "0\nn\n1\nAnna\n1\n0\n0\n2\n9\n9\n"
                              "0\n3\n9\n9\n";
// Two players with one home planet each, no outposts, no rebels, three rounds; round 2 autosaves.
const std::string kSavedInRoundTwo =
    "n\n2\nAnna\nk\n1\nTerra\n1234\n0\nBert\nb\n1\nFels\n5678\n0\n0\n0\n3\n"
    "9\n9\n0\n9\n9\n";
const std::string kResume = "j\nautosave\n0\n3\n9\n9\n";

const char* windowsProgram() { return std::getenv("VASKORATH_WINDOWS_PROGRAM"); }

ProgramRun runWindowsGame(const std::filesystem::path& directory, const std::string& input) {
  return runCommand({"wine", windowsProgram()}, directory, input);
}

// The same lines with every line ended by lineEnd.
std::string withLineEnds(std::string_view content, std::string_view lineEnd) {
  std::string converted;
  converted.reserve(content.size() + content.size() / 4);
  for (std::string_view line : splitLines(content)) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    converted += line;
    converted += lineEnd;
  }
  return converted;
}

// Expects both builds to print the same bytes for the input, each in a directory of its own;
// returns this build's run.
ProgramRun expectSameRun(const std::string& input, const std::string& file = {}, const std::string& content = {}) {
  TemporaryDirectory native;
  TemporaryDirectory windows;
  if (!file.empty()) {
    native.write(file, content);
    windows.write(file, content);
    std::filesystem::last_write_time(windows.path() / file, std::filesystem::last_write_time(native.path() / file));
  }
  const ProgramRun expected = runGame(native.path(), input);
  const ProgramRun actual = runWindowsGame(windows.path(), input);
  EXPECT_EQ(actual.out, expected.out);
  EXPECT_EQ(actual.err, expected.err);
  EXPECT_EQ(actual.status, expected.status);
  // The same situation maps (in a campaign, the one of the battle in round 2 among them).
  EXPECT_EQ(windows.read("lagekarte.svg"), native.read("lagekarte.svg"));
  EXPECT_EQ(windows.read("lagekarten/runde-2.svg"), native.read("lagekarten/runde-2.svg"));
  return expected;
}

class BothBuilds : public ::testing::Test {
 protected:
  void SetUp() override {
    if (windowsProgram() == nullptr) {
      GTEST_SKIP() << "VASKORATH_WINDOWS_PROGRAM names no vaskorath.exe; scripts/windows.sh runs these tests";
    }
  }

  UtcTimeZone utc;  // the list of saves shows the same times in both builds
};

TEST_F(BothBuilds, WholeProgramScenariosPrintTheSameBytes) {
  {
    SCOPED_TRACE("a campaign of four rounds with an attack, saves and the status views");
    const ProgramRun run = expectSameRun(kCampaign);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Welches Gefecht soll durchgefuehrt werden"), std::string::npos);
    EXPECT_NE(run.out.find("Das Spiel ist beendet. Es folgt die Punkte berechnung.\n\n"
                           "Druecken Sie eine beliebige Taste . . .\nSchlussstand der Kampagne\n"),
              std::string::npos);
  }
  {
    SCOPED_TRACE("input that ends at the first question");
    EXPECT_EQ(expectSameRun("").err, "Eingabe beendet.\n");
  }
  {
    SCOPED_TRACE("a file that is no save");
    EXPECT_EQ(expectSameRun("j\nkaputt\n", "kaputt.txt", "1\r\n2\n3\n").status, 1);
  }
}

TEST_F(BothBuilds, EachLoadsTheOthersCampaignAndWritesItBackInItsOwnLineEnds) {
  TemporaryDirectory native;
  TemporaryDirectory windows;
  ASSERT_EQ(runGame(native.path(), kSavedInRoundTwo).status, 0);
  ASSERT_EQ(runWindowsGame(windows.path(), kSavedInRoundTwo).status, 0);
  const std::string nativeSave = native.read("autosave.txt");
  const std::string windowsSave = windows.read("autosave.txt");
  EXPECT_EQ(countOccurrences(nativeSave, "\n"), 3'250'689);
  EXPECT_EQ(countOccurrences(nativeSave, "\r"), 0);
  EXPECT_EQ(countOccurrences(windowsSave, "\r\n"), 3'250'689);
  EXPECT_EQ(countOccurrences(windowsSave, "\n"), 3'250'689);

  for (const std::string* save : {&nativeSave, &windowsSave}) {
    SCOPED_TRACE(save == &nativeSave ? "the save of this build" : "the save of the Windows build");
    TemporaryDirectory onNative;
    TemporaryDirectory onWindows;
    onNative.write("autosave.txt", *save);
    onWindows.write("autosave.txt", *save);
    std::filesystem::last_write_time(onWindows.path() / "autosave.txt",
                                     std::filesystem::last_write_time(onNative.path() / "autosave.txt"));
    const ProgramRun expected = runGame(onNative.path(), kResume);
    const ProgramRun actual = runWindowsGame(onWindows.path(), kResume);
    ASSERT_EQ(expected.status, 0) << expected.out;
    EXPECT_EQ(actual.status, 0);
    EXPECT_EQ(actual.out, expected.out);
    EXPECT_NE(actual.out.find("Letzter Spielstand wurde erfolgreich geladen!"), std::string::npos);
    // Nothing changes between the load and the autosave: the same campaign in each build's line ends.
    EXPECT_EQ(onNative.read("autosave.txt"), withLineEnds(*save, "\n"));
    EXPECT_EQ(onWindows.read("autosave.txt"), withLineEnds(*save, "\r\n"));
  }
}

}  // namespace
}  // namespace vaskorath::testing
