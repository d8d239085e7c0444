// The Windows console and file system behind the platform factory.
#include "console/platform.h"
#include "console/windows_console.h"
#include "console/windows_file_system.h"

namespace vaskorath {

std::unique_ptr<SystemConsole> makeSystemConsole(int inputFd, int outputFd) {
  return std::make_unique<WindowsConsole>(inputFd, outputFd);
}

std::unique_ptr<FileSystem> makeSystemFileSystem() { return std::make_unique<WindowsFileSystem>(); }

}  // namespace vaskorath
