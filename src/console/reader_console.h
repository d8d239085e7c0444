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
  std::string readWord() override;
  int readNumber() override;
  std::string readLine() override;

 protected:
  explicit ReaderConsole(InputReader::Source source);

  // Called before every read, so a prompt is visible before the program waits.
  virtual void beforeRead() {}

 private:
  InputReader reader_;
};

}  // namespace vaskorath
