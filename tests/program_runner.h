// Runs the real vaskorath binary in a directory with piped input, for whole-program tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vaskorath::testing {

struct ProgramRun {
  std::string out;
  std::string err;
  int status = -1;  // exit status, or -1 when the program did not exit normally
};

// A fresh empty directory under the system's temporary directory, removed on destruction.
class TemporaryDirectory {
 public:
  TemporaryDirectory();
  ~TemporaryDirectory();
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string read(const std::string& name) const;
  void write(const std::string& name, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

// Starts the game binary with `directory` as working directory and `input` as standard input.
ProgramRun runGame(const std::filesystem::path& directory, const std::string& input);

// The same for any command: the program and its arguments, the program found on the PATH
// (for example "wine" and the path of a Windows program).
ProgramRun runCommand(const std::vector<std::string>& command, const std::filesystem::path& directory,
                      const std::string& input);

}  // namespace vaskorath::testing
