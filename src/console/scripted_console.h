// A console for tests: typed input comes from a text, every screen is recorded.
#pragma once

#include <string>
#include <string_view>

#include "console/reader_console.h"

namespace vaskorath {

// Follows the script-mode rules exactly, so a test sees what a piped game prints.
class ScriptedConsole : public ReaderConsole {
 public:
  explicit ScriptedConsole(std::string input = {});

  void clearScreen() override;
  void pause() override;
  void write(std::string_view text) override;

  // Everything written so far.
  const std::string& output() const;
  // What was written since the last clearScreen (the screen as the player sees it).
  std::string_view currentScreen() const;
  // Forgets the recorded output (not the counts).
  void clearOutput();
  int clearCount() const { return clearCount_; }
  int pauseCount() const { return pauseCount_; }

 private:
  std::string input_;
  std::size_t consumed_ = 0;
  // Control characters are replaced when the output is looked at, as a real console does before
  // it shows its output.
  mutable std::string output_;
  mutable std::size_t printableUpTo_ = 0;
  std::size_t screenStart_ = 0;
  int clearCount_ = 0;
  int pauseCount_ = 0;
};

}  // namespace vaskorath
