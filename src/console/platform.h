// The console and the file system of the platform the program was built for (POSIX or Windows).
#pragma once

#include <memory>

#include "console/file_system.h"
#include "console/system_console.h"

namespace vaskorath {

// The real console on two file descriptors of the C runtime; 0 and 1 are standard input and
// output. Interactive when the input is a terminal or console window, script mode otherwise.
std::unique_ptr<SystemConsole> makeSystemConsole(int inputFd = 0, int outputFd = 1);

// The working directory as the game's file system.
std::unique_ptr<FileSystem> makeSystemFileSystem();

}  // namespace vaskorath
