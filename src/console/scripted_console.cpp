// Scripted console: script-mode input over a string, output kept in memory.
#include "console/scripted_console.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "console/control_characters.h"

namespace vaskorath {

ScriptedConsole::ScriptedConsole(std::string input)
    : ReaderConsole([this](char* buffer, std::size_t capacity) {
        const std::size_t count = std::min(capacity, input_.size() - consumed_);
        std::memcpy(buffer, input_.data() + consumed_, count);
        consumed_ += count;
        return count;
      }),
      input_(std::move(input)) {}

void ScriptedConsole::clearScreen() {
  ++clearCount_;
  screenStart_ = output_.size();
}

void ScriptedConsole::pause() {
  ++pauseCount_;
  output_ += kPausePrompt;
  output_ += '\n';
}

void ScriptedConsole::write(std::string_view text) { output_ += text; }

const std::string& ScriptedConsole::output() const {
  makePrintable(output_, printableUpTo_);
  printableUpTo_ = output_.size();
  return output_;
}

std::string_view ScriptedConsole::currentScreen() const {
  return std::string_view(output()).substr(std::min(screenStart_, output_.size()));
}

void ScriptedConsole::clearOutput() {
  output_.clear();
  printableUpTo_ = 0;
  screenStart_ = 0;
}

}  // namespace vaskorath
