// The real console on POSIX file descriptors: interactive on a terminal, script mode on a pipe.
#pragma once

#include <string>
#include <string_view>

#include "console/reader_console.h"

namespace vaskorath {

class TerminalConsole : public ReaderConsole {
 public:
  // Interactive when the input is a terminal; screen control codes only when the output is one.
  // In interactive mode the terminal is restored on every exit path, Ctrl-C included.
  TerminalConsole(int inputFd, int outputFd);
  ~TerminalConsole() override;
  TerminalConsole(const TerminalConsole&) = delete;
  TerminalConsole& operator=(const TerminalConsole&) = delete;

  void clearScreen() override;
  void pause() override;
  char readKey() override;
  void write(std::string_view text) override;

  // Writes out everything buffered.
  void flush();

 protected:
  void beforeRead() override { flush(); }

 private:
  // One key press without echo and without Enter.
  char readRawKey();

  int inputFd_;
  int outputFd_;
  bool interactive_;
  bool screenControl_;
  std::string pending_;
};

}  // namespace vaskorath
