// The POSIX terminal and file system behind the platform factory.
#include "console/platform.h"
#include "console/posix_file_system.h"
#include "console/terminal_console.h"

namespace vaskorath {

std::unique_ptr<SystemConsole> makeSystemConsole(int inputFd, int outputFd) {
  return std::make_unique<TerminalConsole>(inputFd, outputFd);
}

std::unique_ptr<FileSystem> makeSystemFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace vaskorath
