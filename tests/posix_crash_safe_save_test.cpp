// Saves under failures and crashes: every step of the atomic writer failed or stopped, and a real
// child process killed during its saves, against the same checks an in-place writer fails.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "console/platform.h"
#include "console/posix_file_operations.h"
#include "console/posix_file_system.h"
#include "persistence/load_dialogue.h"
#include "persistence/save_dialogue.h"
#include "persistence/save_file.h"
#include "program_runner.h"
#include "save_test_support.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

constexpr int kStoppedStatus = 42;

// Cuts writes into chunks, records every step it is asked for, and fails or stops (ends the
// process as a crash would, without any clean-up) at one of them.
class FaultInjection : public FileOperations {
 public:
  enum class Action { kNone, kFail, kStop };

  FaultInjection(std::size_t chunkSize, std::size_t faultAt = SIZE_MAX, Action action = Action::kNone,
                 int error = 0)
      : chunkSize_(chunkSize), faultAt_(faultAt), action_(action), error_(error) {}

  ssize_t write(int fd, const char* data, std::size_t size) override {
    if (intercept(WriteStep::kWrite)) return -1;
    return FileOperations::write(fd, data, std::min(size, chunkSize_));
  }
  int flush(int fd) override { return intercept(WriteStep::kFlush) ? -1 : FileOperations::flush(fd); }
  int close(int fd) override {
    // A failed close still releases the descriptor, as ::close does.
    const bool fail = intercept(WriteStep::kClose);
    const int result = FileOperations::close(fd);
    return fail ? -1 : result;
  }
  int rename(const char* from, const char* to) override {
    return intercept(WriteStep::kRename) ? -1 : FileOperations::rename(from, to);
  }
  int syncDirectory(const char* directory) override {
    return intercept(WriteStep::kSyncDirectory) ? -1 : FileOperations::syncDirectory(directory);
  }

  const std::vector<WriteStep>& steps() const { return steps_; }

 private:
  // True when the step is to fail (errno is set then); never returns when it is to stop.
  bool intercept(WriteStep step) {
    steps_.push_back(step);
    if (steps_.size() - 1 != faultAt_) return false;
    if (action_ == Action::kStop) ::_exit(kStoppedStatus);
    errno = error_;
    return action_ == Action::kFail;
  }

  std::size_t chunkSize_;
  std::size_t faultAt_;
  Action action_;
  int error_;
  std::vector<WriteStep> steps_;
};

// The negative control: truncates the target and writes into it, as a naive program would.
void writeInPlace(FileOperations& operations, const std::string& name, std::string_view content) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  while (fd >= 0 && !content.empty()) {
    const ssize_t written = operations.write(fd, content.data(), content.size());
    if (written <= 0) break;
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  operations.flush(fd);
  operations.close(fd);
}

// Two loadable campaigns that differ, so a mixed file is told from either.
struct Campaigns {
  std::string before;
  std::string after;
};

Campaigns twoCampaigns() {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert", "Brukkas");
  test.state->runde = 2;
  Campaigns campaigns{writeSaveFile(*test.state), {}};
  test.state->runde = 3;
  test.state->spielerliste[0].credits = 4711;
  campaigns.after = writeSaveFile(*test.state);
  return campaigns;
}

std::vector<std::string> directoryEntries(const std::filesystem::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> listedSaves(PosixFileSystem& files) {
  std::vector<std::string> names;
  for (const SaveFileInfo& save : files.listSaveFiles()) names.push_back(save.name);
  return names;
}

using SaveWith = std::function<void(FileOperations&, const std::string& content)>;

void saveAtomically(FileOperations& operations, const std::string& content) {
  PosixFileSystem files(operations);
  files.writeFileAtomically("autosave.txt", content);
}

void saveInPlace(FileOperations& operations, const std::string& content) {
  writeInPlace(operations, "autosave.txt", content);
}

// Stops a save in a child process at every step it takes; returns a description of each stop
// after which "autosave.txt" is neither the complete old nor the complete new campaign, or a
// temporary file is listed as a save or survives the start-up clean-up.
std::vector<std::string> faultsAfterStops(const SaveWith& save, std::size_t chunkSize, int& stopsTried) {
  const Campaigns campaigns = twoCampaigns();
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  PosixFileSystem files;

  // A dry run counts the steps: the chunks of the write, then flush, close, rename, sync.
  directory.write("autosave.txt", campaigns.before);
  FaultInjection dryRun(chunkSize);
  save(dryRun, campaigns.after);
  const std::size_t stepCount = dryRun.steps().size();

  std::vector<std::string> faults;
  stopsTried = 0;
  for (std::size_t point = 0; point < stepCount; ++point) {
    directory.write("autosave.txt", campaigns.before);
    const pid_t child = ::fork();
    if (child == 0) {
      FaultInjection stop(chunkSize, point, FaultInjection::Action::kStop);
      save(stop, campaigns.after);
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ++stopsTried;
    const std::string where = "stop " + std::to_string(point) + " of " + std::to_string(stepCount);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != kStoppedStatus) faults.push_back(where + ": did not stop");
    const std::string onDisk = directory.read("autosave.txt");
    if (onDisk != campaigns.before && onDisk != campaigns.after) faults.push_back(where + ": torn file");
    if (listedSaves(files) != std::vector<std::string>{"autosave.txt"}) faults.push_back(where + ": listed");
    files.removeStaleTemporaries(".");
    if (directoryEntries(directory.path()) != std::vector<std::string>{"autosave.txt"}) {
      faults.push_back(where + ": left a file behind");
    }
  }
  return faults;
}

TEST(CrashSafeSave, BothCampaignsOfTheCrashTestsLoad) {
  const Campaigns campaigns = twoCampaigns();
  auto state = makeCampaignState();
  EXPECT_TRUE(readSaveFile(campaigns.before, *state));
  EXPECT_EQ(state->runde, 2);
  EXPECT_TRUE(readSaveFile(campaigns.after, *state));
  EXPECT_EQ(state->spielerliste[0].credits, 4711);
}

TEST(CrashSafeSave, AStopAtAnyStepLeavesTheCompleteOldOrNewFileAndNoListedTemporary) {
  // 3.3 MB in chunks of 512 KiB: seven writes, then flush, close, rename and directory sync.
  int stops = 0;
  EXPECT_EQ(faultsAfterStops(saveAtomically, 512 * 1024, stops), std::vector<std::string>{});
  EXPECT_EQ(stops, 11);
}

TEST(CrashSafeSave, TheStopTestCatchesAWriterThatWritesInPlace) {
  int stops = 0;
  const std::vector<std::string> faults = faultsAfterStops(saveInPlace, 512 * 1024, stops);
  // Every stop between the truncation and the last chunk leaves a part of the new file.
  EXPECT_EQ(faults.size(), 7u);
  EXPECT_EQ(faults.front(), "stop 0 of 9: torn file");
}

TEST(CrashSafeSave, AFailureAtAnyStepIsReportedInGermanAndKeepsTheOldFile) {
  const Campaigns campaigns = twoCampaigns();
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  struct Case {
    std::size_t point;
    int error;
    const char* reason;
  };
  // Points for a file of three chunks: writes 0 to 2, flush 3, close 4, rename 5.
  const std::size_t chunk = campaigns.after.size() / 3 + 1;
  const Case cases[] = {
      {0, ENOSPC, "kein freier Speicherplatz"},
      {2, EFBIG, "die erlaubte Dateigroesse ist ueberschritten"},
      {3, EIO, "Ein-/Ausgabefehler des Datentraegers"},
      {4, EDQUOT, "Speicherkontingent erschoepft"},  // network file systems report quotas at close
      {5, EXDEV, "Ziel liegt auf einem anderen Datentraeger"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    directory.write("autosave.txt", campaigns.before);
    FaultInjection fail(chunk, c.point, FaultInjection::Action::kFail, c.error);
    PosixFileSystem files(fail);
    const WriteResult result = files.writeFileAtomically("autosave.txt", campaigns.after);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, c.reason);
    EXPECT_EQ(directory.read("autosave.txt"), campaigns.before);
    EXPECT_EQ(directoryEntries(directory.path()), std::vector<std::string>{"autosave.txt"});
  }

  // After the rename the new file is complete in place; an unsynced directory is no failed save.
  directory.write("autosave.txt", campaigns.before);
  FaultInjection failSync(chunk, 6, FaultInjection::Action::kFail, EIO);
  PosixFileSystem files(failSync);
  EXPECT_TRUE(files.writeFileAtomically("autosave.txt", campaigns.after).ok);
  ASSERT_EQ(failSync.steps().size(), 7u);
  EXPECT_EQ(failSync.steps()[6], WriteStep::kSyncDirectory);
  EXPECT_EQ(directory.read("autosave.txt"), campaigns.after);
}

TEST(CrashSafeSave, AKillAfterTheOldAutosaveWasKeptLeavesThePlayersToldWhereItIs) {
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  directory.write("autosave.txt", "die bisherige Kampagne");
  // Older kept files; the one with the higher number is not the newest.
  const auto anHourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  for (const char* name : {"autosave-vorher-1.txt", "autosave-vorher-3.txt"}) {
    directory.write(name, "aelter");
    std::filesystem::last_write_time(directory.path() / name, anHourAgo);
  }
  // A new campaign's first autosave, stopped at its first write, with the screen in a file.
  const pid_t child = ::fork();
  if (child == 0) {
    const int screen = ::open("bildschirm.log", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const auto console = makeSystemConsole(::open("/dev/null", O_RDONLY | O_CLOEXEC), screen);
    TestGame test;
    test.state->keepPreviousAutosave = true;
    FaultInjection stop(SIZE_MAX, 0, FaultInjection::Action::kStop);
    PosixFileSystem files(stop);
    Game game{*test.state, *console, files, test.random};
    writeAutosave(game);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kStoppedStatus);
  EXPECT_FALSE(std::filesystem::exists("autosave.txt"));
  EXPECT_EQ(directory.read("autosave-vorher-2.txt"), "die bisherige Kampagne");
  EXPECT_EQ(directory.read("bildschirm.log"),
            "Hinweis: Der bisherige Spielstand autosave.txt wurde als autosave-vorher-2.txt aufbewahrt.\n\n"
            "Druecken Sie eine beliebige Taste . . .\n");

  // The next start asks for "autosave" and is told again.
  TestGame next("autosave\n");
  PosixFileSystem files;
  Game game{*next.state, next.console, files, next.random};
  EXPECT_THROW(runLoadDialogue(game), ProgramExit);
  EXPECT_EQ(next.console.currentScreen(),
            "Fehler. Datei konnte nicht geoeffnet werden. Programm neu starten!\n\n"
            "Hinweis: Der bisherige Spielstand liegt in autosave-vorher-2.txt.\n\n"
            "Druecken Sie eine beliebige Taste . . .\n");
}

// Runs `save` in a loop in a child, alternating the two campaigns, kills it with SIGKILL after a
// random moment, many times; returns how often the file was torn, and counts the kills that hit
// a save in progress (a temporary file was left).
int tornFilesAfterKills(const SaveWith& save, int kills, int& killsDuringASave) {
  const Campaigns campaigns = twoCampaigns();
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  PosixFileSystem files;
  std::mt19937 chance(20260);
  std::uniform_int_distribution<int> microseconds(0, 30'000);
  int torn = 0;
  killsDuringASave = 0;
  for (int kill = 0; kill < kills; ++kill) {
    directory.write("autosave.txt", campaigns.before);
    const pid_t child = ::fork();
    if (child == 0) {
      for (int round = 0;; ++round) save(systemFileOperations(), round % 2 == 0 ? campaigns.after : campaigns.before);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds(chance)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string onDisk = directory.read("autosave.txt");
    if (onDisk != campaigns.before && onDisk != campaigns.after) ++torn;
    EXPECT_EQ(listedSaves(files), std::vector<std::string>{"autosave.txt"});
    if (directoryEntries(directory.path()).size() > 1) ++killsDuringASave;
    files.removeStaleTemporaries(".");
  }
  return torn;
}

TEST(CrashSafeSave, AProgramKilledAtRandomMomentsWhileSavingNeverTearsTheFile) {
  int killsDuringASave = 0;
  EXPECT_EQ(tornFilesAfterKills(saveAtomically, 60, killsDuringASave), 0);
  // The kills must land inside saves, or the test would prove nothing.
  EXPECT_GE(killsDuringASave, 20);
}

TEST(CrashSafeSave, TheKillTestCatchesAWriterThatWritesInPlace) {
  int killsDuringASave = 0;
  EXPECT_GE(tornFilesAfterKills(saveInPlace, 20, killsDuringASave), 1);
}

}  // namespace
}  // namespace vaskorath::testing
