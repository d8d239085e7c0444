// The real file system against what is not a save: pipes, devices, file-size limits, a second copy.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "console/posix_file_system.h"
#include "flow/program.h"
#include "program_runner.h"
#include "save_test_support.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

TEST(PosixFileSystem, RefusesPipesAndDevicesWithoutBlockingAndReadsRegularFiles) {
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  PosixFileSystem files;
  // A pipe with no writer would keep a plain open waiting for ever.
  ASSERT_EQ(::mkfifo("autosave.txt", 0600), 0);
  EXPECT_EQ(files.readFile("autosave.txt").status, FileContent::Status::kUnsuitable);
  // A link to an endless device would read until memory runs out.
  std::filesystem::create_symlink("/dev/zero", "null.txt");
  EXPECT_EQ(files.readFile("null.txt").status, FileContent::Status::kUnsuitable);
  std::filesystem::create_directory("ordner.txt");
  EXPECT_EQ(files.readFile("ordner.txt").status, FileContent::Status::kUnsuitable);
  EXPECT_EQ(files.readFile("fehlt.txt").status, FileContent::Status::kCannotOpen);

  directory.write("klein.txt", "1\n2\n");
  const FileContent small = files.readFile("klein.txt");
  EXPECT_EQ(small.status, FileContent::Status::kRead);
  EXPECT_EQ(small.content, "1\n2\n");
  // Larger than any save: refused from its size, before anything is read.
  std::filesystem::resize_file(directory.path() / "klein.txt", kMaxReadableFileSize + 1);
  EXPECT_EQ(files.readFile("klein.txt").status, FileContent::Status::kUnsuitable);
}

TEST(PosixFileSystem, AFileSizeLimitGivesAGermanReasonAndKeepsTheOldFile) {
  TemporaryDirectory directory;
  directory.write("autosave.txt", "vorher");
  // In a child, so the limit stays there; without the ignored signal the child would be killed.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::chdir(directory.path().c_str()) != 0) ::_exit(2);
    const rlimit limit{1000, 1000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    PosixFileSystem files;
    const WriteResult result = files.writeFileAtomically("autosave.txt", std::string(5000, 'x'));
    ::_exit(!result.ok && result.reason == "die erlaubte Dateigroesse ist ueberschritten" ? 0 : 3);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(directory.read("autosave.txt"), "vorher");
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory.path())) ++entries;
  EXPECT_EQ(entries, 1);  // no temporary file left behind
}

TEST(PosixFileSystem, WritesIntoAFolderItCreatesAndClearsWhatAnInterruptedWriteLeftThere) {
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  PosixFileSystem files;
  directory.write("datei", "kein Ordner");
  EXPECT_EQ(files.createFolder("datei").reason, "an dieser Stelle steht kein Verzeichnis");
  ASSERT_TRUE(files.createFolder("ordner"));
  EXPECT_TRUE(files.createFolder("ordner"));  // there already
  ASSERT_TRUE(files.writeFileAtomically("ordner/bild.svg", "<svg/>"));
  EXPECT_EQ(directory.read("ordner/bild.svg"), "<svg/>");

  directory.write("ordner/.vaskorath-tmp-bild.svg-a1b2c3", "halb");
  directory.write(".vaskorath-tmp-autosave.txt-d4e5f6", "halb");
  files.removeStaleTemporaries("ordner");
  EXPECT_FALSE(std::filesystem::exists("ordner/.vaskorath-tmp-bild.svg-a1b2c3"));
  EXPECT_TRUE(std::filesystem::exists("ordner/bild.svg"));
  EXPECT_TRUE(std::filesystem::exists(".vaskorath-tmp-autosave.txt-d4e5f6"));  // another folder's
}

TEST(PosixFileSystem, ASecondCopyInTheSameDirectoryIsRefusedAndLeavesItsFilesAlone) {
  TemporaryDirectory directory;
  directory.write(".vaskorath-tmp-autosave.txt-a1b2c3", "wird gerade geschrieben");
  PosixFileSystem firstCopy;
  {
    WorkingDirectory inside(directory.path());
    ASSERT_TRUE(firstCopy.lockWorkingDirectory());
  }
  const ProgramRun second = runGame(directory.path(), "n\n");
  EXPECT_EQ(second.status, 1);
  EXPECT_EQ(second.out, "Fehler: In diesem Verzeichnis laeuft bereits eine Kampagne. Programm wird beendet.\n");
  EXPECT_EQ(directory.read(".vaskorath-tmp-autosave.txt-a1b2c3"), "wird gerade geschrieben");

  // Another directory is free, and the lock holder may lock again.
  TemporaryDirectory other;
  EXPECT_EQ(runGame(other.path(), "").err, "Eingabe beendet.\n");
  WorkingDirectory inside(directory.path());
  EXPECT_TRUE(firstCopy.lockWorkingDirectory());
}

// CI runs this as an unprivileged user; root may read and write every directory.
TEST(PosixFileSystem, ADirectoryThatCannotBeReadIsLockedAnotherWayAndOneThatCannotBeLockedIsRefused) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may read and write every directory";
  namespace fs = std::filesystem;
  TemporaryDirectory directory;
  fs::permissions(directory.path(), fs::perms::owner_write | fs::perms::owner_exec);  // like 0733
  {
    WorkingDirectory inside(directory.path());
    PosixFileSystem firstCopy;
    PosixFileSystem secondCopy;
    EXPECT_TRUE(firstCopy.lockWorkingDirectory());
    EXPECT_EQ(secondCopy.lockWorkingDirectory().status, DirectoryLock::Status::kHeldByAnotherProgram);
  }

  // Neither readable nor writable: no way of locking it, so the program does not start.
  TemporaryDirectory closed;
  fs::permissions(closed.path(), fs::perms::owner_exec);
  TestGame test("n\n");
  PosixFileSystem files;
  Game game{*test.state, test.console, files, test.random};
  {
    WorkingDirectory inside(closed.path());
    EXPECT_EQ(runProgram(game), 1);
  }
  fs::permissions(directory.path(), fs::perms::owner_all);
  fs::permissions(closed.path(), fs::perms::owner_all);
  EXPECT_EQ(test.console.output(),
            "Fehler: Dieses Verzeichnis kann nicht fuer die Kampagne gesperrt werden (keine Schreibberechtigung), "
            "so koennte ein zweites Programm hier dieselben Spielstaende schreiben. Programm wird beendet.\n");
}

}  // namespace
}  // namespace vaskorath::testing
