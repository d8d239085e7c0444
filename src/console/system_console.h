// Base of the real consoles of every platform: gathered output, and keys raw or from a script.
#pragma once

#include <string>
#include <string_view>

#include "console/reader_console.h"

namespace vaskorath {

class SystemConsole : public ReaderConsole {
 public:
  // Prints the prompt; waits for one key only when interactive; then ends the line.
  void pause() override;
  // A raw key when interactive, the script-mode rule otherwise.
  char readKey() override;
  // Gathers the text; it reaches the output at the next read, flush or when much has piled up.
  void write(std::string_view text) override;

  // Writes out everything gathered.
  void flush();

 protected:
  // Interactive: the input is a terminal or console window a player types at.
  SystemConsole(InputReader::Source source, bool interactive);

  void beforeRead() override { flush(); }

  // One key press without echo and without Enter, after the output is flushed.
  virtual char readRawKey() = 0;
  // Hands text to the output device as it is. A derived console calls flush() in its destructor,
  // while this is still its own.
  virtual void writeOut(std::string_view text) = 0;

  bool interactive() const { return interactive_; }

 private:
  bool interactive_;
  std::string pending_;
};

}  // namespace vaskorath
