// The real console on a pseudo-terminal: the key mode survives the shell taking the terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

#include "console/terminal_console.h"

namespace vaskorath {
namespace {

// A pseudo-terminal pair; the program side is what the game sees as its terminal.
struct PseudoTerminal {
  PseudoTerminal() {
    controller = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (controller >= 0 && ::grantpt(controller) == 0 && ::unlockpt(controller) == 0) {
      program = ::open(::ptsname(controller), O_RDWR | O_NOCTTY);
    }
  }
  ~PseudoTerminal() {
    if (program >= 0) ::close(program);
    if (controller >= 0) ::close(controller);
  }

  bool keyMode() const {
    termios mode{};
    ::tcgetattr(program, &mode);
    return (mode.c_lflag & (ICANON | ECHO)) == 0;
  }

  // Waits (up to five seconds) until the terminal is in key mode or not.
  bool waitForKeyMode(bool wanted) const {
    for (int attempt = 0; attempt < 500; ++attempt) {
      if (keyMode() == wanted) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  int controller = -1;
  int program = -1;
};

TEST(TerminalConsole, TakesTheKeyModeBackWhenContinuedAfterTheShellHadTheTerminal) {
  PseudoTerminal terminal;
  ASSERT_GE(terminal.program, 0);
  {
    TerminalConsole console(terminal.program, terminal.program);
    char key = 0;
    std::thread reader([&] { key = console.readKey(); });
    ASSERT_TRUE(terminal.waitForKeyMode(true));

    // What the shell does while the program is stopped (Ctrl-Z): its own line-buffered mode.
    termios shellMode{};
    ::tcgetattr(terminal.program, &shellMode);
    shellMode.c_lflag |= ICANON | ECHO;
    ::tcsetattr(terminal.program, TCSANOW, &shellMode);
    ASSERT_FALSE(terminal.keyMode());

    ::kill(::getpid(), SIGCONT);  // "fg"
    EXPECT_TRUE(terminal.waitForKeyMode(true));

    ASSERT_EQ(::write(terminal.controller, "x", 1), 1);
    reader.join();
    EXPECT_EQ(key, 'x');
    EXPECT_FALSE(terminal.keyMode());  // between keys the terminal is line-buffered again
  }
  ::kill(::getpid(), SIGCONT);  // after the console has ended, continuing changes nothing
  EXPECT_FALSE(terminal.keyMode());
}

}  // namespace
}  // namespace vaskorath
