// Script-mode input rules, on the scripted console and on the real console reading a pipe.
#include <fcntl.h>
#include <gtest/gtest.h>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <functional>
#include <memory>
#include <string>

#include "console/platform.h"
#include "console/scripted_console.h"

namespace vaskorath {
namespace {

#ifdef _WIN32
// Binary pipes of the C runtime, large enough that no write in these tests waits for a reader.
bool makePipe(int (&ends)[2]) { return _pipe(ends, 1 << 20, _O_BINARY) == 0; }
int writeTo(int fd, const std::string& text) { return _write(fd, text.data(), static_cast<unsigned>(text.size())); }
void closeFd(int fd) { _close(fd); }

std::string readAvailable(int fd) {
  DWORD available = 0;
  PeekNamedPipe(reinterpret_cast<HANDLE>(_get_osfhandle(fd)), nullptr, 0, nullptr, &available, nullptr);
  std::string text(available, '\0');
  const int count = available > 0 ? _read(fd, text.data(), available) : 0;
  text.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
  return text;
}
#else
bool makePipe(int (&ends)[2]) { return pipe(ends) == 0; }
int writeTo(int fd, const std::string& text) { return static_cast<int>(write(fd, text.data(), text.size())); }
void closeFd(int fd) { close(fd); }

std::string readAvailable(int fd) {
  fcntl(fd, F_SETFL, O_NONBLOCK);
  std::string text;
  char chunk[4096];
  for (ssize_t count; (count = read(fd, chunk, sizeof chunk)) > 0;) text.append(chunk, count);
  return text;
}
#endif

// The real console in script mode: input from a pipe, output into another pipe.
class PipedTerminal {
 public:
  explicit PipedTerminal(const std::string& input) {
    int inputPipe[2];
    int outputPipe[2];
    EXPECT_TRUE(makePipe(inputPipe));
    EXPECT_TRUE(makePipe(outputPipe));
    EXPECT_EQ(writeTo(inputPipe[1], input), static_cast<int>(input.size()));
    closeFd(inputPipe[1]);
    inputFd_ = inputPipe[0];
    outputReadFd_ = outputPipe[0];
    outputWriteFd_ = outputPipe[1];
    console_ = makeSystemConsole(inputFd_, outputWriteFd_);
  }
  ~PipedTerminal() {
    console_.reset();
    closeFd(inputFd_);
    closeFd(outputWriteFd_);
    closeFd(outputReadFd_);
  }

  Console& console() { return *console_; }

  std::string output() {
    console_->flush();
    return readAvailable(outputReadFd_);
  }

 private:
  int inputFd_;
  int outputReadFd_;
  int outputWriteFd_;
  std::unique_ptr<SystemConsole> console_;
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

// On Windows a text-mode read would end the input at 0x1A (Ctrl-Z).
TEST(ScriptModeInput, EveryByteIsInputAsItIs) {
  forBothConsoles("a\x1a b\nZeile\r mit\r\r\n", [](Console& console, auto) {
    EXPECT_EQ(console.readKey(), 'a');
    EXPECT_EQ(console.readKey(), '\x1a');
    EXPECT_EQ(console.readWord(), "b");
    EXPECT_EQ(console.readLine(), "Zeile mit");  // a typed text keeps no control character
  });
}

// Escape sequences in names and messages could clear, retitle or hide another player's terminal.
TEST(ScriptModeInput, TypedTextsLeaveOutControlCharactersAndScreensShowThemAsQuestionMarks) {
  forBothConsoles("\x1b \x07\x7f An\x1b[2Jna\x7f 7\nHallo\x1b]0;Titel\x07 Welt\x01\r\n",
                  [](Console& console, auto output) {
                    EXPECT_EQ(console.readWord(), "An[2Jna");  // a token of nothing else is none
                    EXPECT_EQ(console.readNumber(), 7);
                    EXPECT_EQ(console.readLine(), "Hallo]0;Titel Welt");
                    console.print("Von Be\x1b[8mrt\x07:\tHallo\r\x7f\n");
                    EXPECT_EQ(output(), "Von Be?[8mrt?:?Hallo??\n");
                  });
  // Every byte value, at every position within the eight bytes the screen checks at once.
  forBothConsoles("", [](Console& console, auto output) {
    std::string every, shown;
    for (int round = 0; round < 9; ++round) {
      for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        every += c;
        shown += (byte < 32 && c != '\n') || byte == 127 ? '?' : c;
      }
      every += 'x';
      shown += 'x';
    }
    console.write(every);
    EXPECT_EQ(output(), shown);
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

// On Windows too "\n" stays "\n"; text-mode output would write "\r\n".
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
