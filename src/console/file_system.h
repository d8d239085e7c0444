// Access to the files of the working directory: save files and the star map picture.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vaskorath {

struct SaveFileInfo {
  std::string name;
  std::uintmax_t size = 0;
  std::int64_t modifiedSeconds = 0;  // seconds since 1970, local time is applied when shown
};

struct WriteResult {
  bool ok = true;
  std::string reason;  // German reason of a failure, for the players

  explicit operator bool() const { return ok; }
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The ".txt" files of the working directory, sorted by name.
  virtual std::vector<SaveFileInfo> listSaveFiles() = 0;
  // The whole content of a file, or nullopt when it cannot be opened or read.
  virtual std::optional<std::string> readFile(const std::string& name) = 0;
  // Replaces the file with the content so that a failure at any point leaves the previous
  // file as it was.
  virtual WriteResult writeFileAtomically(const std::string& name, std::string_view content) = 0;
  // Removes temporary files that an interrupted save left behind.
  virtual void removeStaleTemporaries() = 0;
  virtual bool exists(const std::string& name) = 0;
  // Opens the file in the system's image viewer without waiting for it; false when no viewer
  // could be started.
  virtual bool openInViewer(const std::string& name) = 0;
};

}  // namespace vaskorath
