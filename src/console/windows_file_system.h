// The working directory of a Windows system as the game's file system.
#pragma once

#include "console/file_system.h"

namespace vaskorath {

// File names are texts in the console's code page (the ANSI code page without a console), so a
// typed name finds the file that the list of saves shows. Names of devices (CON, NUL, COM1, ...,
// with any extension) are never opened.
class WindowsFileSystem : public FileSystem {
 public:
  WindowsFileSystem() = default;
  ~WindowsFileSystem() override;
  WindowsFileSystem(const WindowsFileSystem&) = delete;
  WindowsFileSystem& operator=(const WindowsFileSystem&) = delete;

  // Names ending in ".txt" in any case, as "dir *.txt" shows them.
  std::vector<SaveFileInfo> listSaveFiles() override;
  FileContent readFile(const std::string& name) override;
  // FlushFileBuffers, then ReplaceFileW (MoveFileExW with write-through for a new file); a file
  // that another program holds open is tried again for about two seconds.
  WriteResult writeFileAtomically(const std::string& name, std::string_view content) override;
  void removeStaleTemporaries(const std::string& folder) override;
  WriteResult createFolder(const std::string& name) override;
  // Holds a lock file that nobody else may open; the system deletes it when the program ends. A
  // directory where it cannot be created cannot be locked.
  DirectoryLock lockWorkingDirectory() override;
  bool exists(const std::string& name) override;
  bool nameInUse(const std::string& name) override;
  WriteResult renameFile(const std::string& from, const std::string& to) override;
  // Opens the file with the program Windows associates with it (ShellExecuteExW).
  bool openInViewer(const std::string& name) override;
  WriteResult appendLine(const std::string& name, std::string_view line) override;
  std::string_view lineEnd() const override { return "\r\n"; }

 private:
  void* lockHandle_ = nullptr;  // the HANDLE of the lock file while the program holds the directory
};

}  // namespace vaskorath
