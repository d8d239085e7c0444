// Whole-program test runner: standard streams redirected to files, the program started and awaited.
#include "program_runner.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <fstream>
#include <random>
#include <sstream>

namespace vaskorath::testing {

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
// One argument as CreateProcessW's command line parser splits it again.
std::wstring quoted(const std::string& argument) {
  std::wstring result = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : fs::path(argument).wstring()) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    result.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    result += c;
  }
  result.append(backslashes * 2, L'\\');
  return result + L"\"";
}

HANDLE openInherited(const fs::path& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, disposition,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

int runWithFiles(const std::vector<std::string>& command, const fs::path& directory, const fs::path& in,
                 const fs::path& out, const fs::path& err) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = openInherited(in, GENERIC_READ, OPEN_EXISTING);
  startup.hStdOutput = openInherited(out, GENERIC_WRITE, CREATE_ALWAYS);
  startup.hStdError = openInherited(err, GENERIC_WRITE, CREATE_ALWAYS);
  std::wstring commandLine;
  for (const std::string& argument : command) commandLine += (commandLine.empty() ? L"" : L" ") + quoted(argument);
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                      nullptr, directory.c_str(), &startup, &process);
  for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(handle);
  if (!started) return -1;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(status);
}
#else
int runWithFiles(const std::vector<std::string>& command, const fs::path& directory, const fs::path& in,
                 const fs::path& out, const fs::path& err) {
  std::vector<char*> arguments;
  std::vector<std::string> texts = command;
  for (std::string& text : texts) arguments.push_back(text.data());
  arguments.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(directory.c_str()) != 0) _exit(126);
    const int input = open(in.c_str(), O_RDONLY);
    const int output = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int error = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (input < 0 || output < 0 || error < 0) _exit(126);
    dup2(input, STDIN_FILENO);
    dup2(output, STDOUT_FILENO);
    dup2(error, STDERR_FILENO);
    execvp(arguments[0], arguments.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

}  // namespace

TemporaryDirectory::TemporaryDirectory() {
  std::random_device random;
  do {
    path_ = fs::temp_directory_path() / ("vaskorath-test-" + std::to_string(random()));
  } while (!fs::create_directory(path_));
}

TemporaryDirectory::~TemporaryDirectory() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string TemporaryDirectory::read(const std::string& name) const {
  std::ifstream file(path_ / name, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

void TemporaryDirectory::write(const std::string& name, const std::string& content) const {
  std::ofstream(path_ / name, std::ios::binary) << content;
}

ProgramRun runCommand(const std::vector<std::string>& command, const fs::path& directory,
                      const std::string& input) {
  TemporaryDirectory io;
  io.write("stdin", input);
  ProgramRun run;
  run.status = runWithFiles(command, directory, io.path() / "stdin", io.path() / "stdout", io.path() / "stderr");
  run.out = io.read("stdout");
  run.err = io.read("stderr");
  return run;
}

ProgramRun runGame(const fs::path& directory, const std::string& input) {
  return runCommand({VASKORATH_BINARY}, directory, input);
}

}  // namespace vaskorath::testing
