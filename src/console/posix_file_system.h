// The working directory of a POSIX system as the game's file system.
#pragma once

#include "console/posix_file_operations.h"
#include "console/file_system.h"

namespace vaskorath {

class PosixFileSystem : public FileSystem {
 public:
  // A write beyond the file-size limit then fails with EFBIG instead of killing the program.
  // Saves are written through `operations`, which must outlive this object.
  explicit PosixFileSystem(FileOperations& operations = systemFileOperations());
  ~PosixFileSystem() override;
  PosixFileSystem(const PosixFileSystem&) = delete;
  PosixFileSystem& operator=(const PosixFileSystem&) = delete;

  std::vector<SaveFileInfo> listSaveFiles() override;
  FileContent readFile(const std::string& name) override;
  WriteResult writeFileAtomically(const std::string& name, std::string_view content) override;
  void removeStaleTemporaries(const std::string& folder) override;
  WriteResult createFolder(const std::string& name) override;
  DirectoryLock lockWorkingDirectory() override;
  bool exists(const std::string& name) override;
  bool nameInUse(const std::string& name) override;
  WriteResult renameFile(const std::string& from, const std::string& to) override;
  bool openInViewer(const std::string& name) override;
  WriteResult appendLine(const std::string& name, std::string_view line) override;
  std::string_view lineEnd() const override { return "\n"; }

 private:
  FileOperations& operations_;
  // The working directory and its lock file, each held with flock while the program runs (-1: not
  // held that way).
  int directoryLockFd_ = -1;
  int fileLockFd_ = -1;
};

}  // namespace vaskorath
