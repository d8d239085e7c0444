// Base of the consoles that take words, numbers and lines from an InputReader.
#pragma once

#include <string>

#include "console/console.h"
#include "console/input_reader.h"

namespace vaskorath {

class ReaderConsole : public Console {
 public:
  // The script-mode key rule: the next input character that is not white space.
  char readKey() override;
  // Script mode: the next token. One answer per line: the first token of a line, the rest of that
  // line is discarded, so words left on it cannot answer a later question.
  std::string readWord() override;
  int readNumber() override;
  std::string readLine() override;

 protected:
  explicit ReaderConsole(InputReader::Source source, bool oneAnswerPerLine = false);

  // Called before every read, so a prompt is visible before the program waits.
  virtual void beforeRead() {}

  // Forgets what was read from the input but not yet taken by any question.
  void discardBufferedInput() { reader_.discardBuffered(); }

 private:
  std::optional<std::string> nextWord();

  InputReader reader_;
  bool oneAnswerPerLine_;
};

}  // namespace vaskorath
