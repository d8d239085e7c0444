// The working directory of a POSIX system as the game's file system.
#pragma once

#include "console/file_system.h"

namespace vaskorath {

class PosixFileSystem : public FileSystem {
 public:
  std::vector<SaveFileInfo> listSaveFiles() override;
  std::optional<std::string> readFile(const std::string& name) override;
  WriteResult writeFileAtomically(const std::string& name, std::string_view content) override;
  void removeStaleTemporaries() override;
  bool exists(const std::string& name) override;
  bool openInViewer(const std::string& name) override;
};

}  // namespace vaskorath
