// Word, number and line input shared by the scripted and the real console.
#include "console/reader_console.h"

#include <utility>

namespace vaskorath {

ReaderConsole::ReaderConsole(InputReader::Source source) : reader_(std::move(source)) {}

char ReaderConsole::readKey() {
  beforeRead();
  if (auto key = reader_.nextKey()) return *key;
  throw InputEnded();
}

std::string ReaderConsole::readWord() {
  beforeRead();
  if (auto word = reader_.nextWord()) return std::move(*word);
  throw InputEnded();
}

int ReaderConsole::readNumber() {
  for (;;) {
    beforeRead();
    auto word = reader_.nextWord();
    if (!word) throw InputEnded();
    if (auto number = parseWholeNumber(*word)) return *number;
    write(kInvalidNumberPrompt);
  }
}

std::string ReaderConsole::readLine() {
  beforeRead();
  if (auto line = reader_.nextLine()) return std::move(*line);
  throw InputEnded();
}

}  // namespace vaskorath
