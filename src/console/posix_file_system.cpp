// Save files via the standard library and POSIX calls; writes go through a synced temporary file.
#include "console/posix_file_system.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>

extern char** environ;

namespace vaskorath {

namespace {

namespace fs = std::filesystem;

// Temporary save files start with this and never end in ".txt", so no list shows them.
constexpr std::string_view kTemporaryPrefix = ".vaskorath-tmp-";

std::string reasonFor(int error) {
  switch (error) {
    case ENOSPC: return "kein freier Speicherplatz";
#ifdef EDQUOT
    case EDQUOT: return "Speicherkontingent erschoepft";
#endif
    case EACCES:
    case EPERM: return "keine Schreibberechtigung";
    case EROFS: return "Datentraeger ist schreibgeschuetzt";
    case EISDIR: return "an dieser Stelle steht ein Verzeichnis";
    case EIO: return "Ein-/Ausgabefehler des Datentraegers";
    case ENAMETOOLONG: return "Dateiname ist zu lang";
    default: return "Systemfehler " + std::to_string(error);
  }
}

WriteResult failure(int error) { return WriteResult{false, reasonFor(error)}; }

bool writeAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The permission bits a replaced file keeps, or those of a new file under the current umask.
mode_t permissionsFor(const std::string& name) {
  struct stat existing {};
  if (::stat(name.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void reapFinishedViewers() {
  int status = 0;
  while (::waitpid(-1, &status, WNOHANG) > 0) {
  }
}

}  // namespace

std::vector<SaveFileInfo> PosixFileSystem::listSaveFiles() {
  std::vector<SaveFileInfo> saves;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(".", error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() <= 4 || !name.ends_with(".txt")) continue;
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    saves.push_back({name, static_cast<std::uintmax_t>(info.st_size),
                     static_cast<std::int64_t>(info.st_mtime)});
  }
  std::sort(saves.begin(), saves.end(),
            [](const SaveFileInfo& a, const SaveFileInfo& b) { return a.name < b.name; });
  return saves;
}

std::optional<std::string> PosixFileSystem::readFile(const std::string& name) {
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  std::string content;
  if (S_ISREG(info.st_mode)) content.reserve(static_cast<std::size_t>(info.st_size));
  char chunk[1 << 16];
  for (;;) {
    const ssize_t count = ::read(fd, chunk, sizeof chunk);
    if (count == 0) break;
    if (count < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    content.append(chunk, static_cast<std::size_t>(count));
  }
  ::close(fd);
  return content;
}

WriteResult PosixFileSystem::writeFileAtomically(const std::string& name, std::string_view content) {
  std::string temporary = std::string(kTemporaryPrefix) + name + "-XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return failure(errno);
  const auto abandon = [&](int error) {
    ::close(fd);
    ::unlink(temporary.c_str());
    return failure(error);
  };
  if (::fchmod(fd, permissionsFor(name)) != 0) return abandon(errno);
  if (!writeAll(fd, content)) return abandon(errno);
  if (::fsync(fd) != 0) return abandon(errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return failure(error);
  }
  if (::rename(temporary.c_str(), name.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return failure(error);
  }
  // The rename itself is only durable once the directory is synced.
  const int directory = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory >= 0) {
    ::fsync(directory);
    ::close(directory);
  }
  return {};
}

void PosixFileSystem::removeStaleTemporaries() {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(".", error)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(kTemporaryPrefix)) ::unlink(name.c_str());
  }
}

bool PosixFileSystem::exists(const std::string& name) {
  struct stat info {};
  return ::stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool PosixFileSystem::openInViewer(const std::string& name) {
  reapFinishedViewers();
#ifdef __APPLE__
  const char* viewer = "open";
#else
  const char* viewer = "xdg-open";
#endif
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY,
                                     0);
  }
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // A process group of its own: Ctrl-C in the game does not close the picture.
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  std::string argument0 = viewer;
  std::string argument1 = name;
  char* arguments[] = {argument0.data(), argument1.data(), nullptr};
  pid_t child = 0;
  const int result = ::posix_spawnp(&child, viewer, &actions, &attributes, arguments, environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return result == 0;
}

}  // namespace vaskorath
