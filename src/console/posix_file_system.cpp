// Save files via the standard library and POSIX calls; writes go through a synced temporary file.
#include "console/posix_file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <chrono>
#include <filesystem>
#include <system_error>

extern char** environ;

namespace vaskorath {

namespace {

namespace fs = std::filesystem;

// Temporary save files start with this and never end in ".txt", so no list shows them.
constexpr std::string_view kTemporaryPrefix = ".vaskorath-tmp-";
// Locked when the directory may be written. It stays behind when the program ends: removing it
// could let a third copy lock a new file while a second still waits on the old one.
constexpr const char* kLockFileName = ".vaskorath-lock";

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
    case EFBIG: return "die erlaubte Dateigroesse ist ueberschritten";
    case EXDEV: return "Ziel liegt auf einem anderen Datentraeger";
    case EMFILE:
    case ENFILE: return "zu viele geoeffnete Dateien";
    case ENOENT: return "Datei oder Verzeichnis nicht gefunden";
    case ENOTDIR: return "an dieser Stelle steht kein Verzeichnis";
    default: return "Systemfehler " + std::to_string(error);
  }
}

WriteResult failure(int error) { return WriteResult{false, reasonFor(error)}; }

bool writeAll(FileOperations& operations, int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = operations.write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) {  // no progress would loop for ever
      errno = EIO;
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

// The whole file behind fd when it is a regular file of a size a save can have. The size is
// checked again while reading, in case the file grows meanwhile.
FileContent readRegularFile(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return {FileContent::Status::kCannotOpen, {}};
  if (!S_ISREG(info.st_mode) || static_cast<std::uintmax_t>(info.st_size) > kMaxReadableFileSize) {
    return {FileContent::Status::kUnsuitable, {}};
  }
  FileContent result;
  result.content.reserve(static_cast<std::size_t>(info.st_size));
  char chunk[1 << 16];
  for (;;) {
    const ssize_t count = ::read(fd, chunk, sizeof chunk);
    if (count == 0) return result;
    if (count < 0) {
      if (errno == EINTR) continue;
      return {FileContent::Status::kCannotOpen, {}};
    }
    result.content.append(chunk, static_cast<std::size_t>(count));
    if (result.content.size() > kMaxReadableFileSize) return {FileContent::Status::kUnsuitable, {}};
  }
}

// One way of claiming the directory: an exclusive flock on a file just opened.
struct LockAttempt {
  int fd = -1;  // holds the lock when it was taken
  bool heldElsewhere = false;
  int error = 0;  // why the file could not be opened or locked
};

LockAttempt lockOpenedFile(int fd) {
  if (fd < 0) return {-1, false, errno};
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return {fd, false, 0};
  const int error = errno;
  ::close(fd);
  return {-1, error == EWOULDBLOCK, error};
}

void reapFinishedViewers() {
  int status = 0;
  while (::waitpid(-1, &status, WNOHANG) > 0) {
  }
}

}  // namespace

PosixFileSystem::PosixFileSystem(FileOperations& operations) : operations_(operations) {
  std::signal(SIGXFSZ, SIG_IGN);
}

PosixFileSystem::~PosixFileSystem() {
  for (int fd : {directoryLockFd_, fileLockFd_}) {
    if (fd >= 0) ::close(fd);
  }
}

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

FileContent PosixFileSystem::readFile(const std::string& name) {
  // Without O_NONBLOCK, opening a named pipe would wait for a writer for ever.
  const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {FileContent::Status::kCannotOpen, {}};
  FileContent result = readRegularFile(fd);
  ::close(fd);
  return result;
}

WriteResult PosixFileSystem::writeFileAtomically(const std::string& name, std::string_view content) {
  // Beside the target, so that the rename stays within one directory. Without a folder in the
  // name, folderLength is 0 (npos + 1).
  const std::size_t folderLength = name.rfind('/') + 1;
  const std::string folder = folderLength == 0 ? "." : name.substr(0, folderLength - 1);
  std::string temporary =
      name.substr(0, folderLength) + std::string(kTemporaryPrefix) + name.substr(folderLength) + "-XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return failure(errno);
  const auto abandon = [&](int error) {
    operations_.close(fd);
    ::unlink(temporary.c_str());
    return failure(error);
  };
  if (::fchmod(fd, permissionsFor(name)) != 0) return abandon(errno);
  if (!writeAll(operations_, fd, content)) return abandon(errno);
  if (operations_.flush(fd) != 0) return abandon(errno);
  if (operations_.close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return failure(error);
  }
  if (operations_.rename(temporary.c_str(), name.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return failure(error);
  }
  // The new file is in place and complete from here on; a failed directory sync only leaves the
  // rename less durable, so the save counts as written and the players are not told otherwise.
  operations_.syncDirectory(folder.c_str());
  return {};
}

void PosixFileSystem::removeStaleTemporaries(const std::string& folder) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (entry.path().filename().string().starts_with(kTemporaryPrefix)) ::unlink(entry.path().c_str());
  }
}

WriteResult PosixFileSystem::createFolder(const std::string& name) {
  if (::mkdir(name.c_str(), 0777) == 0) return {};
  const int error = errno;
  // A folder that is there already will do, even where nothing new may be created.
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) return failure(error);
  return S_ISDIR(info.st_mode) ? WriteResult{} : failure(ENOTDIR);
}

DirectoryLock PosixFileSystem::lockWorkingDirectory() {
  if (directoryLockFd_ >= 0 || fileLockFd_ >= 0) return {};
  // The directory itself needs read permission, the lock file write permission (or an earlier
  // run's file). Both are taken where they work, so a copy started after the permissions changed
  // still finds this one.
  const LockAttempt onDirectory = lockOpenedFile(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  // O_NONBLOCK: a named pipe in its place must not keep the program waiting.
  const LockAttempt onFile =
      lockOpenedFile(::open(kLockFileName, O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
  if (onDirectory.heldElsewhere || onFile.heldElsewhere) {
    for (int fd : {onDirectory.fd, onFile.fd}) {
      if (fd >= 0) ::close(fd);
    }
    return {DirectoryLock::Status::kHeldByAnotherProgram, {}};
  }
  if (onDirectory.fd < 0 && onFile.fd < 0) {
    return {DirectoryLock::Status::kImpossible, reasonFor(onFile.error)};
  }
  directoryLockFd_ = onDirectory.fd;
  fileLockFd_ = onFile.fd;
  return {};
}

bool PosixFileSystem::exists(const std::string& name) {
  struct stat info {};
  return ::stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool PosixFileSystem::nameInUse(const std::string& name) {
  struct stat info {};
  return ::lstat(name.c_str(), &info) == 0;
}

WriteResult PosixFileSystem::renameFile(const std::string& from, const std::string& to) {
  // link and unlink instead of rename, so an entry that appeared under the new name is never replaced.
  if (::link(from.c_str(), to.c_str()) != 0) {
    const int error = errno;
    const bool noHardLinks = error == EPERM || error == ENOTSUP || error == EOPNOTSUPP;
    // Some file systems (FAT on a memory stick) have no hard links; the caller has checked the name.
    if (!noHardLinks || nameInUse(to)) return failure(error);
    if (::rename(from.c_str(), to.c_str()) != 0) return failure(errno);
    return {};
  }
  if (::unlink(from.c_str()) != 0) {
    const int error = errno;
    ::unlink(to.c_str());
    return failure(error);
  }
  return {};
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

WriteResult PosixFileSystem::appendLine(const std::string& name, std::string_view line) {
  // O_NONBLOCK: a named pipe without a reader fails at once instead of stopping the game.
  const int fd = ::open(name.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return failure(errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return WriteResult{false, "an dieser Stelle steht keine gewoehnliche Datei"};
  }
  const std::string text = std::string(line) + std::string(lineEnd());
  if (!writeAll(operations_, fd, text)) {
    const int error = errno;
    ::close(fd);
    return failure(error);
  }
  if (::close(fd) != 0) return failure(errno);
  return {};
}

}  // namespace vaskorath
