// The console of the fuzz harnesses: input from the fuzzer's bytes, a bounded number of reads,
// and only the end of the output kept.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "console/reader_console.h"

namespace vaskorath::fuzzing {

class FuzzConsole : public ReaderConsole {
 public:
  // Reads `input` in script mode; the read after `readBudget` reads ends the input, so a dialogue
  // that asks for ever ends like one whose input ran out.
  FuzzConsole(std::string_view input, int readBudget);

  void clearScreen() override {}
  void pause() override { write(kPausePrompt); }
  char readKey() override;
  std::string readWord() override;
  int readNumber() override;
  std::string readLine() override;
  void write(std::string_view text) override;

  // The last few kilobytes written.
  std::string_view outputTail() const { return tail_; }

 protected:
  // Ends the input when the read budget is used up.
  void countRead();

 private:
  std::string_view input_;
  int readsLeft_;
  std::string tail_;
};

}  // namespace vaskorath::fuzzing
