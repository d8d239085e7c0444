// Script-mode input rules, on the scripted console and on the real console reading a pipe.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <string>

#include "console/scripted_console.h"
#include "console/terminal_console.h"

namespace vaskorath {
namespace {

// The real console in script mode: input from a pipe, output into another pipe.
class PipedTerminal {
 public:
  explicit PipedTerminal(const std::string& input) {
    int inputPipe[2];
    int outputPipe[2];
    EXPECT_EQ(pipe(inputPipe), 0);
    EXPECT_EQ(pipe(outputPipe), 0);
    EXPECT_EQ(write(inputPipe[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
    close(inputPipe[1]);
    inputFd_ = inputPipe[0];
    outputReadFd_ = outputPipe[0];
    outputWriteFd_ = outputPipe[1];
    console_ = std::make_unique<TerminalConsole>(inputFd_, outputWriteFd_);
  }
  ~PipedTerminal() {
    console_.reset();
    close(inputFd_);
    close(outputWriteFd_);
    close(outputReadFd_);
  }

  Console& console() { return *console_; }

  std::string output() {
    console_->flush();
    fcntl(outputReadFd_, F_SETFL, O_NONBLOCK);
    std::string text;
    char chunk[4096];
    for (ssize_t count; (count = read(outputReadFd_, chunk, sizeof chunk)) > 0;) text.append(chunk, count);
    return text;
  }

 private:
  int inputFd_;
  int outputReadFd_;
  int outputWriteFd_;
  std::unique_ptr<TerminalConsole> console_;
};

// Runs the same checks against both consoles; `output` returns what the console wrote.
void forBothConsoles(const std::string& input,
                     const std::function<void(Console&, const std::function<std::string()>&)>& check) {
  {
    SCOPED_TRACE("scripted console");
    ScriptedConsole scripted(input);
    check(scripted, [&] { return scripted.output(); });
  }
  {
    SCOPED_TRACE("real console on a pipe");
    PipedTerminal piped(input);
    check(piped.console(), [&] { return piped.output(); });
  }
}

TEST(ScriptModeInput, KeysSkipWhiteSpaceAndWordsSplitAtBlanks) {
  forBothConsoles("  \n\tj 2\nTerra Nova\n", [](Console& console, auto) {
    EXPECT_EQ(console.readKey(), 'j');
    EXPECT_EQ(console.readKey(), '2');
    EXPECT_EQ(console.readWord(), "Terra");
    EXPECT_EQ(console.readWord(), "Nova");
  });
}

TEST(ScriptModeInput, NumbersTakeSignAndLeadingZeros) {
  forBothConsoles("0101 -7 +12 2147483647 -2147483648\n", [](Console& console, auto output) {
    EXPECT_EQ(console.readNumber(), 101);
    EXPECT_EQ(console.readNumber(), -7);
    EXPECT_EQ(console.readNumber(), 12);
    EXPECT_EQ(console.readNumber(), 2147483647);
    EXPECT_EQ(console.readNumber(), -2147483648);
    EXPECT_EQ(output(), "");
  });
}

TEST(ScriptModeInput, NonNumbersAndNumbersBeyond32BitsAreAskedAgain) {
  forBothConsoles("abc 12x 2147483648 -2147483649 - 5\n", [](Console& console, auto output) {
    EXPECT_EQ(console.readNumber(), 5);
    const std::string again = "Ungueltige Eingabe, bitte eine ganze Zahl eingeben: ";
    EXPECT_EQ(output(), again + again + again + again + again);
  });
}

TEST(ScriptModeInput, WholeLineDiscardsTheRestOfTheCurrentLine) {
  forBothConsoles("Anna rest of line\nHallo Welt, wie geht's?\n\nlast", [](Console& console, auto) {
    EXPECT_EQ(console.readWord(), "Anna");
    EXPECT_EQ(console.readLine(), "Hallo Welt, wie geht's?");
    EXPECT_EQ(console.readLine(), "");  // an empty line is a line
    EXPECT_EQ(console.readLine(), "last");  // the last line may lack its line end
  });
}

TEST(ScriptModeInput, WholeLineAfterAKeyAndWithCarriageReturns) {
  forBothConsoles("1\r\nNachricht mit Blanks\r\n", [](Console& console, auto) {
    EXPECT_EQ(console.readKey(), '1');
    EXPECT_EQ(console.readLine(), "Nachricht mit Blanks");
  });
}

TEST(ScriptModeInput, EndOfInputEndsEveryKindOfRead) {
  forBothConsoles("", [](Console& console, auto) { EXPECT_THROW(console.readKey(), InputEnded); });
  forBothConsoles(" \n ", [](Console& console, auto) { EXPECT_THROW(console.readWord(), InputEnded); });
  forBothConsoles("x", [](Console& console, auto) { EXPECT_THROW(console.readNumber(), InputEnded); });
  forBothConsoles("word", [](Console& console, auto) {
    EXPECT_EQ(console.readWord(), "word");
    EXPECT_THROW(console.readLine(), InputEnded);
  });
  forBothConsoles("", [](Console& console, auto) { EXPECT_THROW(console.readLine(), InputEnded); });
}

TEST(ScriptModeOutput, PauseReadsNothingAndClearWritesNothingOffATerminal) {
  forBothConsoles("z", [](Console& console, auto output) {
    console.print("Runde ", 3, '!', "\n");
    console.clearScreen();
    console.pause();
    EXPECT_EQ(console.readKey(), 'z');
    EXPECT_EQ(output(), "Runde 3!\nDruecken Sie eine beliebige Taste . . .\n");
  });
}

TEST(ScriptedConsole, RecordsTheCurrentScreenAndCounts) {
  ScriptedConsole console;
  console.write("erster Bildschirm");
  console.clearScreen();
  console.write("zweiter");
  console.pause();
  EXPECT_EQ(console.currentScreen(), "zweiterDruecken Sie eine beliebige Taste . . .\n");
  EXPECT_EQ(console.clearCount(), 1);
  EXPECT_EQ(console.pauseCount(), 1);
}

}  // namespace
}  // namespace vaskorath
