// Console window handling on Windows: single keys with _getch, colours, clearing, Ctrl-C.
#include "console/windows_console.h"

#include <conio.h>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace vaskorath {

namespace {

constexpr WORD kGameColours = 0x70;  // black text on a light grey background
constexpr int kCtrlC = 3;            // _getch reads the console raw, so Ctrl-C arrives as a key
constexpr int kCtrlZ = 26;           // typed at a key prompt: the end of input, like Ctrl-D on POSIX
constexpr DWORD kInterruptedStatus = 0xC000013A;  // STATUS_CONTROL_C_EXIT, as the system ends a program
// How long a read broken off by Ctrl-C waits for the handler thread to end the program.
constexpr DWORD kCtrlCGraceMilliseconds = 1000;
constexpr std::size_t kMaxChunk = 1u << 30;

// What the console window had before the program changed it. The Ctrl-C handler runs on a
// thread of its own: everything is set before it is installed, and `active` says it is still due.
struct ConsoleRestore {
  std::atomic<bool> active{false};
  HANDLE input = INVALID_HANDLE_VALUE;
  HANDLE output = INVALID_HANDLE_VALUE;
  bool inputModeSaved = false;
  DWORD inputMode = 0;
  bool coloured = false;
  WORD attributes = 0;
  bool outputModeChanged = false;
  DWORD outputMode = 0;
};
ConsoleRestore restore;

HANDLE handleOf(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

void restoreConsole() {
  if (!restore.active.exchange(false)) return;
  if (restore.coloured) SetConsoleTextAttribute(restore.output, restore.attributes);
  if (restore.outputModeChanged) SetConsoleMode(restore.output, restore.outputMode);
  if (restore.inputModeSaved) SetConsoleMode(restore.input, restore.inputMode);
}

// Ctrl-C while a line is typed or the program computes, Ctrl-Break, a closed window.
BOOL WINAPI onConsoleEvent(DWORD) {
  restoreConsole();
  return FALSE;  // the system's own handler then ends the program
}

[[noreturn]] void endOnCtrlC() {
  restoreConsole();
  ExitProcess(kInterruptedStatus);
}

std::size_t readInput(int fd, char* buffer, std::size_t capacity) {
  SetLastError(ERROR_SUCCESS);
  const int count = _read(fd, buffer, static_cast<unsigned>(std::min(capacity, kMaxChunk)));
  if (count > 0) return static_cast<std::size_t>(count);
  // Ctrl-C breaks off a typed line before its handler has ended the program; the break is no
  // end of input.
  if (GetLastError() == ERROR_OPERATION_ABORTED) Sleep(kCtrlCGraceMilliseconds);
  return 0;
}

}  // namespace

WindowsConsole::WindowsConsole(int inputFd, int outputFd)
    : SystemConsole([inputFd](char* buffer,
                              std::size_t capacity) { return readInput(inputFd, buffer, capacity); },
                    isConsole(handleOf(inputFd))),
      inputFd_(inputFd),
      outputFd_(outputFd),
      screenControl_(isConsole(handleOf(outputFd))) {
  if (!interactive()) {
    _setmode(inputFd, _O_BINARY);
    _setmode(outputFd, _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);  // "Eingabe beendet." goes there
  }
  if (!interactive() && !screenControl_) return;
  restore.input = handleOf(inputFd);
  restore.output = handleOf(outputFd);
  restore.inputModeSaved = interactive() && GetConsoleMode(restore.input, &restore.inputMode) != 0;
  restore.coloured = false;
  restore.outputModeChanged = false;
  if (screenControl_) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (GetConsoleScreenBufferInfo(restore.output, &info)) {
      restore.attributes = info.wAttributes;
      restore.coloured = true;
    }
    outputCodePage_ = GetConsoleOutputCP();
    if (GetConsoleMode(restore.output, &restore.outputMode)) {
      virtualTerminal_ =
          SetConsoleMode(restore.output, restore.outputMode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
      restore.outputModeChanged = virtualTerminal_;
    }
  }
  restore.active = true;
  restoresConsole_ = true;
  SetConsoleCtrlHandler(onConsoleEvent, TRUE);
  if (restore.coloured) SetConsoleTextAttribute(restore.output, kGameColours);
}

WindowsConsole::~WindowsConsole() {
  flush();
  if (!restoresConsole_) return;
  restoreConsole();
  SetConsoleCtrlHandler(onConsoleEvent, FALSE);
}

void WindowsConsole::clearScreen() {
  if (!screenControl_) return;
  flush();
  const HANDLE output = handleOf(outputFd_);
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleScreenBufferInfo(output, &info)) return;
  const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
  const COORD home{0, 0};
  DWORD done = 0;
  FillConsoleOutputCharacterA(output, ' ', cells, home, &done);
  FillConsoleOutputAttribute(output, info.wAttributes, cells, home, &done);
  SetConsoleCursorPosition(output, home);
  SMALL_RECT window = info.srWindow;
  window.Bottom = static_cast<SHORT>(window.Bottom - window.Top);
  window.Top = 0;
  SetConsoleWindowInfo(output, TRUE, &window);
  // A terminal with a scroll-back of its own (Windows Terminal) only drops it on this sequence.
  if (virtualTerminal_) writeOut("\x1b[3J");
}

std::size_t WindowsConsole::textWidth(std::string_view text) const {
  return screenControl_ ? codePageTextWidth(text, outputCodePage_) : utf8TextWidth(text);
}

char WindowsConsole::readRawKey() {
  flush();
  // Lines and keys typed ahead wait in the console; dropped, so nothing typed before this question
  // answers it.
  FlushConsoleInputBuffer(handleOf(inputFd_));
  const int key = _getch();
  // Arrow and function keys send a second code; neither it nor other keys typed ahead may answer
  // the next question.
  if (key == 0 || key == 0xE0) _getch();
  while (_kbhit()) _getch();
  if (key == kCtrlC) endOnCtrlC();
  if (key == kCtrlZ) throw InputEnded();
  return static_cast<char>(key);
}

void WindowsConsole::writeOut(std::string_view text) {
  while (!text.empty()) {
    const unsigned chunk = static_cast<unsigned>(std::min(text.size(), kMaxChunk));
    const int written = _write(outputFd_, text.data(), chunk);
    if (written <= 0) return;  // the output is gone; nothing sensible is left to do with the text
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

}  // namespace vaskorath
