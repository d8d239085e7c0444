// The real file system on Windows: devices, files held by other programs, the list, the lock.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "console/windows_file_system.h"
#include "program_runner.h"
#include "save_test_support.h"

namespace vaskorath::testing {
namespace {

int entriesIn(const std::filesystem::path& directory) {
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory)) ++entries;
  return entries;
}

// Opens a file the way a program that shares it with nobody does (an editor, a virus scanner).
HANDLE holdExclusively(const std::filesystem::path& file) {
  return CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST(WindowsFileSystem, NeverOpensDevicesOrDirectoriesAndReadsFiles) {
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  WindowsFileSystem files;
  // Reading CON would wait for the keyboard, NUL gives nothing: devices whatever the extension.
  for (const char* device : {"con.txt", "NUL.txt", "Com1.txt", "lpt9", "aux"}) {
    EXPECT_EQ(files.readFile(device).status, FileContent::Status::kUnsuitable) << device;
    EXPECT_FALSE(files.exists(device)) << device;
    EXPECT_TRUE(files.nameInUse(device)) << device;
  }
  const WriteResult toDevice = files.writeFileAtomically("CON.txt", "1\r\n");
  EXPECT_FALSE(toDevice.ok);
  EXPECT_EQ(toDevice.reason, "der Name ist unter Windows einem Geraet vorbehalten");
  EXPECT_FALSE(files.exists("COM10.txt"));  // only COM1 to COM9 are devices
  EXPECT_FALSE(files.nameInUse("COM10.txt"));

  std::filesystem::create_directory("ordner.txt");
  EXPECT_EQ(files.readFile("ordner.txt").status, FileContent::Status::kUnsuitable);
  EXPECT_EQ(files.readFile("fehlt.txt").status, FileContent::Status::kCannotOpen);
  directory.write("klein.txt", "1\r\n2\n\x1a");
  const FileContent small = files.readFile("klein.txt");
  EXPECT_EQ(small.status, FileContent::Status::kRead);
  EXPECT_EQ(small.content, "1\r\n2\n\x1a");
  std::filesystem::resize_file(directory.path() / "klein.txt", kMaxReadableFileSize + 1);
  EXPECT_EQ(files.readFile("klein.txt").status, FileContent::Status::kUnsuitable);
}

TEST(WindowsFileSystem, ASaveHeldByAnotherProgramIsWrittenWhenItLetsGoOrReportedAndKept) {
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  directory.write("autosave.txt", "vorher");
  WindowsFileSystem files;

  // Let go after 300 ms, well within the two seconds of retries.
  HANDLE held = holdExclusively(directory.path() / "autosave.txt");
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::thread letGo([held] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    CloseHandle(held);
  });
  const WriteResult later = files.writeFileAtomically("autosave.txt", "nachher\r\n");
  letGo.join();
  EXPECT_TRUE(later.ok) << later.reason;
  EXPECT_EQ(directory.read("autosave.txt"), "nachher\r\n");

  // Held for longer than the retries last: the old file stays and no temporary file is left.
  held = holdExclusively(directory.path() / "autosave.txt");
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const WriteResult refused = files.writeFileAtomically("autosave.txt", "verloren\r\n");
  CloseHandle(held);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.reason, "die Datei wird von einem anderen Programm benutzt");
  EXPECT_EQ(directory.read("autosave.txt"), "nachher\r\n");
  EXPECT_EQ(entriesIn(directory.path()), 1);

  // A new file is moved into place; a directory in the way is named as such.
  EXPECT_TRUE(files.writeFileAtomically("neu.txt", "1\r\n").ok);
  EXPECT_EQ(directory.read("neu.txt"), "1\r\n");
  std::filesystem::create_directory("ordner.txt");
  EXPECT_EQ(files.writeFileAtomically("ordner.txt", "1\r\n").reason, "an dieser Stelle steht ein Verzeichnis");
  EXPECT_EQ(entriesIn(directory.path()), 3);
}

TEST(WindowsFileSystem, ListsTheTxtFilesOfAnyCaseWithSizeAndTime) {
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  directory.write("b.TXT", "12345");
  directory.write("a.txt", "1\r\n");
  directory.write("notiz.txtx", "kein Spielstand");  // "*.txt" would match it through its short name
  directory.write(".vaskorath-tmp-a.txt-1-2-3", "halb");
  std::filesystem::create_directory("ordner.txt");
  // 1 March 2024, 12:00 UTC: 1709294400 seconds after 1970, in 100 ns steps after 1601.
  const ULONGLONG ticks = 1709294400ULL * 10'000'000ULL + 116'444'736'000'000'000ULL;
  const FILETIME moment{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  const HANDLE file = CreateFileW(L"a.txt", FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &moment));
  CloseHandle(file);

  WindowsFileSystem files;
  const std::vector<SaveFileInfo> saves = files.listSaveFiles();
  ASSERT_EQ(saves.size(), 2u);
  EXPECT_EQ(saves[0].name, "a.txt");
  EXPECT_EQ(saves[0].size, 3u);
  EXPECT_EQ(saves[0].modifiedSeconds, 1709294400);
  EXPECT_EQ(saves[1].name, "b.TXT");
  EXPECT_EQ(saves[1].size, 5u);

  files.removeStaleTemporaries(".");
  EXPECT_FALSE(std::filesystem::exists(".vaskorath-tmp-a.txt-1-2-3"));
  EXPECT_TRUE(std::filesystem::exists("notiz.txtx"));
}

TEST(WindowsFileSystem, WritesIntoAFolderItCreatesAndClearsWhatAnInterruptedWriteLeftThere) {
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  WindowsFileSystem files;
  directory.write("datei", "kein Ordner");
  EXPECT_EQ(files.createFolder("datei").reason, "an dieser Stelle steht kein Verzeichnis");
  ASSERT_TRUE(files.createFolder("ordner").ok);
  EXPECT_TRUE(files.createFolder("ordner").ok);  // there already
  ASSERT_TRUE(files.writeFileAtomically("ordner/bild.svg", "<svg/>").ok);
  ASSERT_TRUE(files.writeFileAtomically("ordner/bild.svg", "<svg></svg>").ok);  // replaced
  EXPECT_EQ(directory.read("ordner/bild.svg"), "<svg></svg>");
  EXPECT_EQ(files.writeFileAtomically("ordner/nul.svg", "x").reason,
            "der Name ist unter Windows einem Geraet vorbehalten");

  directory.write("ordner/.vaskorath-tmp-bild.svg-1-2-3", "halb");
  files.removeStaleTemporaries("ordner");
  EXPECT_EQ(entriesIn(directory.path() / "ordner"), 1);
}

TEST(WindowsFileSystem, RenamingNeverReplacesWhatBearsTheNewName) {
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  directory.write("autosave.txt", "alt");
  directory.write("autosave-vorher-1.txt", "aelter");
  WindowsFileSystem files;
  const WriteResult taken = files.renameFile("autosave.txt", "autosave-vorher-1.txt");
  EXPECT_FALSE(taken.ok);
  EXPECT_EQ(taken.reason, "eine Datei dieses Namens gibt es bereits");
  EXPECT_EQ(directory.read("autosave-vorher-1.txt"), "aelter");
  EXPECT_TRUE(files.renameFile("autosave.txt", "autosave-vorher-2.txt").ok);
  EXPECT_EQ(directory.read("autosave-vorher-2.txt"), "alt");
  EXPECT_FALSE(files.exists("autosave.txt"));
}

TEST(WindowsFileSystem, ASecondCopyInTheSameDirectoryIsRefusedAndLeavesItsFilesAlone) {
  TemporaryDirectory directory;
  directory.write(".vaskorath-tmp-autosave.txt-1-2-3", "wird gerade geschrieben");
  {
    WindowsFileSystem firstCopy;
    {
      WorkingDirectory inside(directory.path());
      ASSERT_TRUE(firstCopy.lockWorkingDirectory());
      EXPECT_TRUE(firstCopy.lockWorkingDirectory());
    }
    const ProgramRun second = runGame(directory.path(), "n\n");
    EXPECT_EQ(second.status, 1);
    EXPECT_EQ(second.out, "Fehler: In diesem Verzeichnis laeuft bereits eine Kampagne. Programm wird beendet.\n");
    EXPECT_EQ(directory.read(".vaskorath-tmp-autosave.txt-1-2-3"), "wird gerade geschrieben");
  }
  // The lock file went with the first copy; the directory is free again.
  EXPECT_EQ(entriesIn(directory.path()), 1);
  const ProgramRun next = runGame(directory.path(), "");
  EXPECT_EQ(next.err, "Eingabe beendet.\n");
  EXPECT_FALSE(std::filesystem::exists(directory.path() / ".vaskorath-tmp-autosave.txt-1-2-3"));
}

}  // namespace
}  // namespace vaskorath::testing
