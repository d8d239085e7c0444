// Whole-program runs of the real binary with piped input.
#include <gtest/gtest.h>

#include "program_runner.h"

namespace vaskorath::testing {
namespace {

TEST(Program, WithoutInputShowsTheWelcomeScreenAndStopsWithStatusOne) {
  TemporaryDirectory directory;
  const ProgramRun run = runGame(directory.path(), "");
  EXPECT_EQ(run.out,
            "Willkommen zu Vaskorath Campaign.\n"
            "-------------------------------------\n"
            "Soll ein alter Spielstand geladen werden (j/n)?");
  EXPECT_EQ(run.err, "Eingabe beendet.\n");
  EXPECT_EQ(run.status, 1);
}

TEST(Program, RemovesTemporaryFilesOfAnInterruptedSave) {
  TemporaryDirectory directory;
  directory.write(".vaskorath-tmp-autosave.txt-a1b2c3", "halb geschrieben");
  directory.write("meinsave.txt", "bleibt");
  runGame(directory.path(), "");
  EXPECT_FALSE(std::filesystem::exists(directory.path() / ".vaskorath-tmp-autosave.txt-a1b2c3"));
  EXPECT_EQ(directory.read("meinsave.txt"), "bleibt");
}

}  // namespace
}  // namespace vaskorath::testing
