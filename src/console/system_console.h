// Base of the real consoles of every platform: gathered output, and keys raw or from a script.
#pragma once

#include <string>
#include <string_view>

#include "console/reader_console.h"

namespace vaskorath {

class SystemConsole : public ReaderConsole {
 public:
  // Prints the prompt; waits for one key only when interactive; then ends the line and writes out
  // the screen, so it is complete even when nothing is read.
  void pause() override;
  // A raw key when interactive, the script-mode rule otherwise.
  char readKey() override;
  // Gathers the text with its control characters as "?"; it reaches the output at the next read,
  // flush or when much has piled up.
  void write(std::string_view text) override;

  // Writes out everything gathered.
  void flush();

 protected:
  // Interactive: the input is a terminal or console window a player types at; words and numbers
  // are then one answer per typed line.
  SystemConsole(InputReader::Source source, bool interactive);

  void beforeRead() override { flush(); }

  // Gathers a screen control sequence of the console itself, which passes as it is.
  void writeScreenControl(std::string_view code);

  // One key press without echo and without Enter, after the output is flushed. Whatever was typed
  // before the call is dropped: a key answers only the question on the screen.
  virtual char readRawKey() = 0;
  // Hands text to the output device as it is. A derived console calls flush() in its destructor,
  // while this is still its own.
  virtual void writeOut(std::string_view text) = 0;

  bool interactive() const { return interactive_; }

 private:
  // A raw key; nothing typed before the question answers it.
  char readFreshKey();

  bool interactive_;
  std::string pending_;
  // Where the text not yet made printable begins: screen controls after it pass as they are.
  std::size_t printableUpTo_ = 0;
};

}  // namespace vaskorath
