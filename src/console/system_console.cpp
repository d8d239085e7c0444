// Pause, keys and output gathering shared by the real consoles.
#include "console/system_console.h"

#include <utility>

#include "console/control_characters.h"

namespace vaskorath {

namespace {
constexpr std::size_t kFlushThreshold = 64 * 1024;
}  // namespace

SystemConsole::SystemConsole(InputReader::Source source, bool interactive)
    : ReaderConsole(std::move(source), interactive), interactive_(interactive) {}

void SystemConsole::pause() {
  write(kPausePrompt);
  if (interactive_) readFreshKey();
  write("\n");
  flush();
}

char SystemConsole::readKey() {
  if (!interactive_) return ReaderConsole::readKey();
  return readFreshKey();
}

char SystemConsole::readFreshKey() {
  // Words typed ahead, in one player's turn perhaps, must not answer anything after this key.
  discardBufferedInput();
  return readRawKey();
}

void SystemConsole::write(std::string_view text) {
  pending_ += text;
  if (pending_.size() >= kFlushThreshold) flush();
}

void SystemConsole::writeScreenControl(std::string_view code) {
  makePrintable(pending_, printableUpTo_);
  pending_ += code;
  printableUpTo_ = pending_.size();
}

void SystemConsole::flush() {
  if (pending_.empty()) return;
  makePrintable(pending_, printableUpTo_);
  writeOut(pending_);
  pending_.clear();
  printableUpTo_ = 0;
}

}  // namespace vaskorath
