// The real console on Windows: interactive in a console window, script mode on a pipe or a file.
#pragma once

#include <string_view>

#include "console/system_console.h"

namespace vaskorath {

class WindowsConsole : public SystemConsole {
 public:
  // Interactive when the input is a console (GetConsoleMode fails on a pipe or a file); colours
  // and clearing only when the output is one. In script mode standard input, output and error are
  // binary, so every byte passes as it is (a 0x1A does not end the input, "\n" stays "\n"). The
  // console's colours and modes come back on every exit path, Ctrl-C included.
  WindowsConsole(int inputFd, int outputFd);
  ~WindowsConsole() override;
  WindowsConsole(const WindowsConsole&) = delete;
  WindowsConsole& operator=(const WindowsConsole&) = delete;

  // Blanks the whole screen buffer, the part scrolled out of sight included.
  void clearScreen() override;
  // In a console window as its output code page shows the bytes (see codePageTextWidth); on a
  // file or a pipe the UTF-8 rule, as on every other platform.
  std::size_t textWidth(std::string_view text) const override;

 protected:
  char readRawKey() override;
  void writeOut(std::string_view text) override;

 private:
  int inputFd_;
  int outputFd_;
  bool screenControl_;
  unsigned outputCodePage_ = 0;  // of the console window the output goes to
  bool virtualTerminal_ = false;  // the output understands escape sequences (Windows Terminal)
  bool restoresConsole_ = false;  // this console changed the console window's settings
};

}  // namespace vaskorath
