// The real system calls behind the file operations seam.
#include "console/posix_file_operations.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace vaskorath {

ssize_t FileOperations::write(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }

int FileOperations::flush(int fd) { return ::fsync(fd); }

int FileOperations::close(int fd) { return ::close(fd); }

int FileOperations::rename(const char* from, const char* to) { return ::rename(from, to); }

int FileOperations::syncDirectory(const char* directory) {
  const int fd = ::open(directory, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -1;
  const int result = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  errno = error;
  return result;
}

FileOperations& systemFileOperations() {
  static FileOperations operations;
  return operations;
}

}  // namespace vaskorath
