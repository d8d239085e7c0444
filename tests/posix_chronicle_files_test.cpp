// The chronicle and the restore point on the real file system: appending, and names that cannot be written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "console/posix_file_system.h"
#include "program_runner.h"
#include "save_test_support.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";

TEST(ChronicleFile, LinesGoToTheEndOfTheFileAndWhatIsNoFileIsRefusedWithoutWaiting) {
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  PosixFileSystem files;
  EXPECT_TRUE(files.appendLine("chronik.log", "Neue Kampagne"));
  EXPECT_TRUE(files.appendLine("chronik.log", "Runde 2: Gefecht"));
  EXPECT_EQ(directory.read("chronik.log"), "Neue Kampagne\nRunde 2: Gefecht\n");

  // A pipe without a reader would keep a plain open waiting for ever.
  ASSERT_EQ(::mkfifo("pipe.log", 0600), 0);
  EXPECT_FALSE(files.appendLine("pipe.log", "x"));
  std::filesystem::create_symlink("/dev/null", "null.log");
  EXPECT_EQ(files.appendLine("null.log", "x").reason, "an dieser Stelle steht keine gewoehnliche Datei");
}

TEST(ChronicleFile, DirectoriesInThePlaceOfBothFilesAreReportedAndTheCampaignGoesOn) {
  TemporaryDirectory directory;
  std::filesystem::create_directory(directory.path() / "chronik.log");
  std::filesystem::create_directory(directory.path() / "gefechtsbeginn.txt");
  // Anna on Terra 0101, Bert on Fels 0103, three rounds; Bert attacks Terra in round 1 and Anna
  // holds it in round 2.
  const std::string input = "n\n2\nAnna\nk\n1\nTerra\n0101\n0\nBert\nb\n1\nFels\n0103\n0\n0\n0\n3\n"
                            "9\n6\n1\n1\n0\nTerra\nn\nj\n9\n"
                            "1\nAnna\n0\n0\n9\n9\n";
  const ProgramRun run = runGame(directory.path(), input);
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::string& out = run.out;

  // The chronicle fails at its first line, after the setup, and is not tried again.
  EXPECT_NE(out.find("Viel Erfolg!\n\n" + kPause +
                     "Warnung: Die Chronik chronik.log kann nicht geschrieben werden (an dieser Stelle steht ein "
                     "Verzeichnis). Das Spiel geht ohne Chronik weiter.\n\n" +
                     kPause + "Runde 1          Anna (Kadrische Legion)\n"),
            std::string::npos)
      << out;
  EXPECT_EQ(countOccurrences(out, "Warnung:"), 1);
  // The restore point's error comes before the battle menu, which then works as ever.
  EXPECT_NE(out.find("Fehler: Der Spielstand konnte nicht gespeichert werden (an dieser Stelle steht ein "
                     "Verzeichnis). Die vorherige Datei ist unveraendert.\n\n" +
                     kPause + "Runde 2 beginnt.\n"),
            std::string::npos);
  EXPECT_EQ(countOccurrences(out, "Fehler:"), 1);
  EXPECT_NE(out.find("Das Spiel ist beendet. Es folgt die Punkte berechnung.\n\n" + kPause +
                     "Schlussstand der Kampagne\n"),
            std::string::npos);
  EXPECT_TRUE(out.ends_with(kPause));
  EXPECT_EQ(splitLines(directory.read("autosave.txt")).size(), 3'250'689u);
  EXPECT_TRUE(std::filesystem::is_directory(directory.path() / "chronik.log"));
}

}  // namespace
}  // namespace vaskorath::testing
