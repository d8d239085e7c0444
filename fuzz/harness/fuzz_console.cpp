// Fuzz console: budgeted script-mode reads, a short tail of the output.
#include "fuzz/harness/fuzz_console.h"

#include <algorithm>
#include <cstring>

namespace vaskorath::fuzzing {

namespace {
constexpr std::size_t kTailSize = 4096;
}  // namespace

FuzzConsole::FuzzConsole(std::string_view input, int readBudget)
    : ReaderConsole([this](char* buffer, std::size_t capacity) {
        const std::size_t count = std::min(capacity, input_.size());
        std::memcpy(buffer, input_.data(), count);
        input_.remove_prefix(count);
        return count;
      }),
      input_(input),
      readsLeft_(readBudget) {}

void FuzzConsole::countRead() {
  if (readsLeft_-- <= 0) throw InputEnded();
}

char FuzzConsole::readKey() {
  countRead();
  return ReaderConsole::readKey();
}

std::string FuzzConsole::readWord() {
  countRead();
  return ReaderConsole::readWord();
}

int FuzzConsole::readNumber() {
  countRead();
  return ReaderConsole::readNumber();
}

std::string FuzzConsole::readLine() {
  countRead();
  return ReaderConsole::readLine();
}

void FuzzConsole::write(std::string_view text) {
  if (text.size() >= kTailSize) {
    tail_.assign(text.substr(text.size() - kTailSize));
    return;
  }
  if (tail_.size() + text.size() > 2 * kTailSize) tail_.erase(0, tail_.size() + text.size() - kTailSize);
  tail_ += text;
}

}  // namespace vaskorath::fuzzing
