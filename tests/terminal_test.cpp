// The real console on a pseudo-terminal: the key mode survives the shell taking the terminal, and
// nothing typed ahead answers a later question.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <future>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

#include "console/terminal_console.h"
#include "flow/round_loop.h"
#include "test_game.h"

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
    hangUp();
  }

  // Ends the program's input: a read that still waits returns, and the game ends as at Ctrl-D.
  void hangUp() {
    if (controller >= 0) ::close(controller);
    controller = -1;
  }

  // Reads what the program shows until `text` appears behind what was awaited before (up to five
  // seconds).
  bool awaitOutput(std::string_view text) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (;;) {
      const auto found = output.find(text, awaited);
      if (found != std::string::npos) {
        awaited = found + text.size();
        return true;
      }
      if (std::chrono::steady_clock::now() > deadline) return false;
      pollfd readable{controller, POLLIN, 0};
      char chunk[4096];
      if (::poll(&readable, 1, 10) <= 0) continue;
      const ssize_t count = ::read(controller, chunk, sizeof chunk);
      if (count > 0) output.append(chunk, static_cast<std::size_t>(count));
    }
  }

  void type(std::string_view text) const {
    EXPECT_EQ(::write(controller, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }

  // Presses the key once the screen shows `screen` and the program waits for a key.
  bool pressKeyOn(std::string_view screen, char key) {
    if (!awaitOutput(screen) || !waitForKeyMode(true)) return false;
    type(std::string_view(&key, 1));
    return true;
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
  std::string output;
  std::size_t awaited = 0;
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

TEST(TerminalConsole, WordsTypedAheadInOneTurnNeverAnswerAQuestionAfterTheHandOver) {
  PseudoTerminal terminal;
  ASSERT_GE(terminal.program, 0);
  testing::TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.state->endrunde = 2;  // the turns of round 1 only
  {
    TerminalConsole console(terminal.program, terminal.program);
    Game game{*test.state, console, test.files, test.random};
    auto turns = std::async(std::launch::async, [&] { runCampaign(game); });
    // Anna leaves the spy menu with "0 1 1" and one more line typed ahead (a line is read at a
    // time, so it waits in the terminal); either "1 1" would recruit an agent in Bert's spy menu.
    const std::pair<std::string, std::string> spyMenuAnswers[] = {{"Anna", "0 1 1\n1 1\n"}, {"Bert", "0\n"}};
    for (const auto& [player, typed] : spyMenuAnswers) {
      EXPECT_TRUE(terminal.pressKeyOn("Runde 1          " + player, 'x'));
      EXPECT_TRUE(terminal.pressKeyOn("Auswahl (1-9):", '5'));
      EXPECT_TRUE(terminal.awaitOutput("Was willst du tun (Nummer - Abbruch mit 0)?: "));
      terminal.type(typed);
      EXPECT_TRUE(terminal.pressKeyOn("Auswahl (1-9):", '9'));
    }
    turns.wait_for(std::chrono::seconds(5));
    terminal.hangUp();  // a game still waiting for input after a failure above ends here
  }
  EXPECT_EQ(test.state->runde, 2);  // both turns ended with 9
  EXPECT_EQ(test.state->spielerliste[0].credits, 1000);
  EXPECT_EQ(test.state->spielerliste[1].credits, 1000);
  EXPECT_NE(terminal.output.find("\x1b[H\x1b[2J\x1b[3J"), std::string::npos);  // screens are still cleared
}

}  // namespace
}  // namespace vaskorath
