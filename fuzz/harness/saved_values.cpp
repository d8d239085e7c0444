// Every save loaded again as it is written.
#include "fuzz/harness/saved_values.h"

#include <utility>

#include "persistence/save_file.h"

namespace vaskorath::fuzzing {

void CheckingFileSystem::check(const std::string& name, std::string_view content) {
  // Only saves are loaded again; the situation map is also written, at the end with runde at its limit.
  if (fault.empty() && name.ends_with(".txt")) {
    if (const ReadResult loaded = checkSaveFile(content, state_); !loaded) {
      fault = name + " would be refused when loaded: line " + std::to_string(loaded.line) + " should hold " +
              loaded.expected;
    }
  }
  if (name == "autosave.txt") ++autosaves;
}

WriteResult CheckingFileSystem::writeFileAtomically(const std::string& name, std::string_view content) {
  check(name, content);
  return MemoryFileSystem::writeFileAtomically(name, content);
}

WriteResult CheckingFileSystem::writeFileAtomicallyTaking(const std::string& name, std::string content) {
  check(name, content);
  return MemoryFileSystem::writeFileAtomicallyTaking(name, std::move(content));
}

}  // namespace vaskorath::fuzzing
