// Access to the files of the working directory: save files, the star map picture, the situation maps.
#pragma once

#include <cstdint>
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

// What claiming the working directory gave.
struct DirectoryLock {
  enum class Status {
    kHeld,                  // this program holds the directory until it ends
    kHeldByAnotherProgram,  // another copy plays here
    kImpossible,            // no way of locking works here; reason says why
  };
  Status status = Status::kHeld;
  std::string reason;  // German reason when kImpossible

  explicit operator bool() const { return status == Status::kHeld; }
};

// What reading a whole file gave.
struct FileContent {
  enum class Status {
    kRead,        // content holds the whole file
    kCannotOpen,  // missing, or no permission to read
    kUnsuitable,  // not a regular file (a pipe, a device, a directory) or larger than any save
  };
  Status status = Status::kRead;
  std::string content;
};

// No save file comes near this size; anything larger is refused before it is read.
inline constexpr std::uintmax_t kMaxReadableFileSize = 256u * 1024 * 1024;

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The ".txt" files of the working directory, sorted by name.
  virtual std::vector<SaveFileInfo> listSaveFiles() = 0;
  // The whole content of a regular file of at most kMaxReadableFileSize bytes. Never blocks on a
  // pipe and never reads a device.
  virtual FileContent readFile(const std::string& name) = 0;
  // Replaces the file with the content so that a failure at any point leaves the previous
  // file as it was. The name may lead into a folder ("lagekarten/runde-3.svg"), which must exist;
  // the temporary file is made in that folder.
  virtual WriteResult writeFileAtomically(const std::string& name, std::string_view content) = 0;
  // The same for content the caller gives up: a file system that keeps its files in memory keeps
  // this string instead of a copy of it (a save is megabytes).
  virtual WriteResult writeFileAtomicallyTaking(const std::string& name, std::string content) {
    return writeFileAtomically(name, content);
  }
  // Removes temporary files that an interrupted write left behind in the folder ("." for the
  // working directory).
  virtual void removeStaleTemporaries(const std::string& folder) = 0;
  // Creates the folder when nothing bears its name; succeeds too when a folder of that name is
  // there, and fails when something else (a file) bears it.
  virtual WriteResult createFolder(const std::string& name) = 0;
  // Claims the working directory for this program until it ends (two copies would overwrite each
  // other's saves). Never reports a directory as held that another copy could claim as well.
  virtual DirectoryLock lockWorkingDirectory() = 0;
  // True when a regular file of this name exists.
  virtual bool exists(const std::string& name) = 0;
  // True when anything at all (a file, a directory, a link) bears this name.
  virtual bool nameInUse(const std::string& name) = 0;
  // Gives a file a new name that nothing bears yet.
  virtual WriteResult renameFile(const std::string& from, const std::string& to) = 0;
  // Opens the file in the system's image viewer without waiting for it; false when no viewer
  // could be started.
  virtual bool openInViewer(const std::string& name) = 0;
  // Adds the line and a line end to the end of a regular file, creating it when missing; the
  // text goes to the system at once (nothing waits in a buffer of the program).
  virtual WriteResult appendLine(const std::string& name, std::string_view line) = 0;
  // How text files of this system end their lines: "\r\n" on Windows, "\n" elsewhere.
  virtual std::string_view lineEnd() const = 0;
};

}  // namespace vaskorath
