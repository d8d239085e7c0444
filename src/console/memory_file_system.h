// An in-memory file system for tests and fuzzing.
#pragma once

#include <map>
#include <string>

#include "console/file_system.h"

namespace vaskorath {

class MemoryFileSystem : public FileSystem {
 public:
  std::vector<SaveFileInfo> listSaveFiles() override;
  std::optional<std::string> readFile(const std::string& name) override;
  WriteResult writeFileAtomically(const std::string& name, std::string_view content) override;
  void removeStaleTemporaries() override {}
  bool exists(const std::string& name) override { return files.contains(name); }
  bool openInViewer(const std::string& name) override;

  std::map<std::string, std::string> files;
  // When not empty, every write fails with this reason and changes nothing.
  std::string writeFailureReason;
  bool viewerAvailable = true;
  std::vector<std::string> openedInViewer;
};

}  // namespace vaskorath
