// Word, number and line input shared by the scripted and the real console.
#include "console/reader_console.h"

#include <utility>

namespace vaskorath {

ReaderConsole::ReaderConsole(InputReader::Source source, bool oneAnswerPerLine)
    : reader_(std::move(source)), oneAnswerPerLine_(oneAnswerPerLine) {}

std::optional<std::string> ReaderConsole::nextWord() {
  return oneAnswerPerLine_ ? reader_.nextWordOfLine() : reader_.nextWord();
}

char ReaderConsole::readKey() {
  beforeRead();
  if (auto key = reader_.nextKey()) return *key;
  throw InputEnded();
}

std::string ReaderConsole::readWord() {
  beforeRead();
  if (auto word = nextWord()) return std::move(*word);
  throw InputEnded();
}

int ReaderConsole::readNumber() {
  for (;;) {
    beforeRead();
    auto word = nextWord();
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
