// The real console on POSIX file descriptors: interactive on a terminal, script mode on a pipe.
#pragma once

#include <string_view>

#include "console/system_console.h"

namespace vaskorath {

class TerminalConsole : public SystemConsole {
 public:
  // Interactive when the input is a terminal; screen control codes only when the output is one.
  // In interactive mode the terminal is restored on every exit path, Ctrl-C included.
  TerminalConsole(int inputFd, int outputFd);
  ~TerminalConsole() override;
  TerminalConsole(const TerminalConsole&) = delete;
  TerminalConsole& operator=(const TerminalConsole&) = delete;

  void clearScreen() override;

 protected:
  char readRawKey() override;
  void writeOut(std::string_view text) override;

 private:
  int inputFd_;
  int outputFd_;
  bool screenControl_;
};

}  // namespace vaskorath
