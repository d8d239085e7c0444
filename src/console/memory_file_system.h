// An in-memory file system for tests and fuzzing.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "console/file_system.h"

namespace vaskorath {

class MemoryFileSystem : public FileSystem {
 public:
  std::vector<SaveFileInfo> listSaveFiles() override;
  FileContent readFile(const std::string& name) override;
  WriteResult writeFileAtomically(const std::string& name, std::string_view content) override;
  WriteResult writeFileAtomicallyTaking(const std::string& name, std::string content) override;
  void removeStaleTemporaries(const std::string&) override {}
  WriteResult createFolder(const std::string& name) override;
  DirectoryLock lockWorkingDirectory() override { return lock; }
  bool exists(const std::string& name) override { return files.contains(name); }
  bool nameInUse(const std::string& name) override {
    return files.contains(name) || unsuitableFiles.contains(name) || folders.contains(name);
  }
  WriteResult renameFile(const std::string& from, const std::string& to) override;
  bool openInViewer(const std::string& name) override;
  WriteResult appendLine(const std::string& name, std::string_view line) override;
  std::string_view lineEnd() const override { return textLineEnd; }

  std::map<std::string, std::string> files;
  // Names that stand for something other than a regular file (a pipe, a device).
  std::set<std::string> unsuitableFiles;
  // Folders of the working directory; a file name leading into a folder ("ordner/datei") needs it here.
  std::set<std::string> folders;
  // When not empty, every write fails with this reason and changes nothing.
  std::string writeFailureReason;
  bool viewerAvailable = true;
  DirectoryLock lock;  // what claiming the directory gives
  std::vector<std::string> openedInViewer;
  std::string textLineEnd = "\n";  // "\r\n" stands in for a Windows system

 private:
  // Why a file of this name cannot be written; nothing when it can.
  std::optional<WriteResult> refusalToWrite(const std::string& name) const;
};

}  // namespace vaskorath
