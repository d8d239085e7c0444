// The system calls a save is written with, behind one seam so that tests can fail or stop each step.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace vaskorath {

// The steps of an atomic save after its temporary file exists, in the order they are taken.
enum class WriteStep { kWrite, kFlush, kClose, kRename, kSyncDirectory };

class FileOperations {
 public:
  virtual ~FileOperations() = default;

  // Like ::write: the bytes written (possibly fewer than `size`), or -1 with errno set.
  virtual ssize_t write(int fd, const char* data, std::size_t size);
  // Like ::fsync: 0, or -1 with errno set.
  virtual int flush(int fd);
  // Like ::close.
  virtual int close(int fd);
  // Like ::rename.
  virtual int rename(const char* from, const char* to);
  // Syncs a directory ("." for the working directory), so that a rename in it is durable: 0, or
  // -1 with errno set.
  virtual int syncDirectory(const char* directory);
};

// The real system calls; lives as long as the program.
FileOperations& systemFileOperations();

}  // namespace vaskorath
