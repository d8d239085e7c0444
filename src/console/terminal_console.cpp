// Terminal handling: raw single keys, ANSI screen control, colours, restoring the terminal.
#include "console/terminal_console.h"

#include <csignal>
#include <cerrno>
#include <termios.h>
#include <unistd.h>

namespace vaskorath {

namespace {

constexpr std::string_view kClearScreen = "\x1b[H\x1b[2J\x1b[3J";
constexpr std::string_view kGameColours = "\x1b[30;47m";  // black text on light grey
constexpr std::string_view kResetColours = "\x1b[0m";
constexpr char kEndOfTransmission = 4;  // Ctrl-D typed at a key prompt

// What a signal handler needs to put the terminal back; only async-signal-safe calls use it.
struct TerminalRestore {
  volatile sig_atomic_t active = 0;
  int inputFd = -1;
  int outputFd = -1;
  volatile sig_atomic_t coloured = 0;
  volatile sig_atomic_t readingKey = 0;  // the terminal is in the raw key mode below
  termios original{};
  termios raw{};
};
TerminalRestore restore;

void writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return;  // the output is gone; nothing sensible is left to do with the text
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

void restoreTerminal() {
  if (!restore.active) return;
  tcsetattr(restore.inputFd, TCSANOW, &restore.original);
  if (restore.coloured) {
    writeAll(restore.outputFd, kResetColours);
    writeAll(restore.outputFd, "\n");
  }
}

// Puts the terminal back into the program's mode after the shell had it (Ctrl-Z, then fg).
void resumeTerminal() {
  if (!restore.active) return;
  if (restore.readingKey) tcsetattr(restore.inputFd, TCSANOW, &restore.raw);
  if (restore.coloured) writeAll(restore.outputFd, kGameColours);
}

void setHandler(int signalNumber, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(signalNumber, &action, nullptr);
}

extern "C" void onTerminatingSignal(int signalNumber) {
  restoreTerminal();
  std::signal(signalNumber, SIG_DFL);
  std::raise(signalNumber);
}

// Ctrl-Z: hand the shell a normal terminal, stop, and take the program's mode back on return.
extern "C" void onStopSignal(int signalNumber) {
  const int savedErrno = errno;
  if (restore.active) {
    tcsetattr(restore.inputFd, TCSANOW, &restore.original);
    if (restore.coloured) writeAll(restore.outputFd, kResetColours);
  }
  setHandler(signalNumber, SIG_DFL);
  sigset_t stopOnly;
  sigemptyset(&stopOnly);
  sigaddset(&stopOnly, signalNumber);
  sigprocmask(SIG_UNBLOCK, &stopOnly, nullptr);
  std::raise(signalNumber);  // the process stops here until it is continued
  setHandler(signalNumber, onStopSignal);
  resumeTerminal();
  errno = savedErrno;
}

extern "C" void onContinueSignal(int) {
  const int savedErrno = errno;
  resumeTerminal();
  errno = savedErrno;
}

std::size_t readFromFd(int fd, char* buffer, std::size_t capacity) {
  for (;;) {
    const ssize_t count = ::read(fd, buffer, capacity);
    if (count >= 0) return static_cast<std::size_t>(count);
    if (errno != EINTR) return 0;
  }
}

}  // namespace

TerminalConsole::TerminalConsole(int inputFd, int outputFd)
    : SystemConsole([inputFd](char* buffer,
                              std::size_t capacity) { return readFromFd(inputFd, buffer, capacity); },
                    isatty(inputFd) == 1),
      inputFd_(inputFd),
      outputFd_(outputFd),
      screenControl_(isatty(outputFd) == 1) {
  if (interactive() && tcgetattr(inputFd_, &restore.original) == 0) {
    restore.inputFd = inputFd_;
    restore.outputFd = outputFd_;
    restore.active = 1;
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
      std::signal(signalNumber, onTerminatingSignal);
    }
    setHandler(SIGTSTP, onStopSignal);
    setHandler(SIGCONT, onContinueSignal);
  }
  if (screenControl_) {
    writeAll(outputFd_, kGameColours);
    restore.outputFd = outputFd_;
    restore.coloured = 1;
  }
}

TerminalConsole::~TerminalConsole() {
  flush();
  restoreTerminal();
  if (screenControl_ && !restore.active) {
    writeAll(outputFd_, kResetColours);
  }
  restore.active = 0;
  restore.coloured = 0;
}

void TerminalConsole::clearScreen() {
  if (screenControl_) writeScreenControl(kClearScreen);
}

void TerminalConsole::writeOut(std::string_view text) { writeAll(outputFd_, text); }

char TerminalConsole::readRawKey() {
  flush();
  termios raw = restore.original;
  raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  restore.raw = raw;
  restore.readingKey = 1;
  // Lines typed ahead wait in the terminal; dropped, so nothing typed before this question answers it.
  tcflush(inputFd_, TCIFLUSH);
  tcsetattr(inputFd_, TCSANOW, &raw);
  char key = 0;
  const std::size_t count = readFromFd(inputFd_, &key, 1);
  restore.readingKey = 0;
  // Keys such as the arrows send several bytes; drop the rest so they do not answer the next question.
  raw.c_cc[VMIN] = 0;
  tcsetattr(inputFd_, TCSANOW, &raw);
  char rest[32];
  while (readFromFd(inputFd_, rest, sizeof rest) > 0) {
  }
  tcsetattr(inputFd_, TCSANOW, &restore.original);
  if (count == 0 || key == kEndOfTransmission) throw InputEnded();
  return key;
}

}  // namespace vaskorath
