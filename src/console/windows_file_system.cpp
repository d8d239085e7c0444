// Save files through the Win32 file calls; writes go through a flushed temporary file.
#include "console/windows_file_system.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace vaskorath {

namespace {

// Temporary save files start with this and never end in ".txt", so no list shows them.
constexpr std::wstring_view kTemporaryPrefix = L".vaskorath-tmp-";
constexpr const wchar_t* kLockFileName = L".vaskorath-lock";
// A virus scanner or a backup program may hold a file for a moment; a player's editor for longer.
constexpr int kAttempts = 20;
constexpr DWORD kRetryDelayMilliseconds = 100;
constexpr DWORD kMaxChunk = 1u << 20;
constexpr DWORD kDiskQuotaExceeded = 1295;  // ERROR_DISK_QUOTA_EXCEEDED, missing in MinGW's headers
constexpr const char* kReservedNameReason = "der Name ist unter Windows einem Geraet vorbehalten";
constexpr const char* kNoFolderReason = "an dieser Stelle steht kein Verzeichnis";

std::string reasonFor(DWORD error) {
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return "kein freier Speicherplatz";
    case kDiskQuotaExceeded: return "Speicherkontingent erschoepft";
    case ERROR_ACCESS_DENIED: return "keine Schreibberechtigung";
    case ERROR_WRITE_PROTECT: return "Datentraeger ist schreibgeschuetzt";
    case ERROR_DIRECTORY: return "an dieser Stelle steht ein Verzeichnis";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT: return "die Datei wird von einem anderen Programm benutzt";
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE: return "Ein-/Ausgabefehler des Datentraegers";
    case ERROR_FILENAME_EXCED_RANGE: return "Dateiname ist zu lang";
    case ERROR_INVALID_NAME: return "ungueltiger Dateiname";
    case ERROR_FILE_TOO_LARGE: return "die erlaubte Dateigroesse ist ueberschritten";
    case ERROR_NOT_SAME_DEVICE: return "Ziel liegt auf einem anderen Datentraeger";
    case ERROR_TOO_MANY_OPEN_FILES: return "zu viele geoeffnete Dateien";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return "Datei oder Verzeichnis nicht gefunden";
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS: return "eine Datei dieses Namens gibt es bereits";
    default: return "Systemfehler " + std::to_string(error);
  }
}

WriteResult failure(DWORD error) { return WriteResult{false, reasonFor(error)}; }

// Errors that end by themselves once another program lets go of the file.
bool isPassing(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED ||
         error == ERROR_UNABLE_TO_REMOVE_REPLACED || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT;
}

// Runs the operation until it succeeds, fails for good, or the attempts are used up; the last
// error stays readable with GetLastError.
template <typename Operation>
bool withRetries(Operation operation) {
  for (int attempt = 1;; ++attempt) {
    if (operation()) return true;
    const DWORD error = GetLastError();
    if (attempt == kAttempts || !isPassing(error)) return false;
    Sleep(kRetryDelayMilliseconds);
    SetLastError(error);
  }
}

UINT nameCodePage() {
  const UINT console = GetConsoleCP();
  return console != 0 ? console : CP_ACP;
}

// Empty when the text is no name in the code page; such a name finds no file.
std::wstring widen(const std::string& name) {
  const int size = static_cast<int>(name.size());
  const int length = MultiByteToWideChar(nameCodePage(), MB_ERR_INVALID_CHARS, name.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(nameCodePage(), MB_ERR_INVALID_CHARS, name.data(), size, wide.data(), length);
  return wide;
}

std::string narrow(std::wstring_view name) {
  const int size = static_cast<int>(name.size());
  const int length = WideCharToMultiByte(nameCodePage(), 0, name.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(nameCodePage(), 0, name.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, with or without an extension, in any folder:
// Windows opens the device, not a file.
bool isDeviceName(std::string_view name) {
  name.remove_prefix(name.find_last_of("/\\") + 1);  // npos + 1 is 0: no folder
  const std::string_view stem = name.substr(0, name.find('.'));
  for (std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
    if (equalsIgnoringCase(stem, device)) return true;
  }
  if (stem.size() != 4 || stem[3] < '1' || stem[3] > '9') return false;
  return equalsIgnoringCase(stem.substr(0, 3), "COM") || equalsIgnoringCase(stem.substr(0, 3), "LPT");
}

bool isSaveName(std::string_view name) {
  return name.size() > 4 && equalsIgnoringCase(name.substr(name.size() - 4), ".txt");
}

std::int64_t secondsSince1970(const FILETIME& time) {
  constexpr std::int64_t kTicksPerSecond = 10'000'000;        // FILETIME counts 100 ns
  constexpr std::int64_t kTicksFrom1601To1970 = 116'444'736'000'000'000;
  const std::int64_t ticks =
      static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
  const std::int64_t sinceEpoch = ticks - kTicksFrom1601To1970;
  return sinceEpoch >= 0 ? sinceEpoch / kTicksPerSecond : -((-sinceEpoch + kTicksPerSecond - 1) / kTicksPerSecond);
}

// The attributes of whatever bears the name, or INVALID_FILE_ATTRIBUTES.
DWORD attributesOf(const std::wstring& name) {
  if (name.empty()) return INVALID_FILE_ATTRIBUTES;
  return GetFileAttributesW(name.c_str());
}

bool isDirectory(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Calls visit with every entry of the working directory that matches the pattern.
template <typename Visit>
void forEachEntry(const wchar_t* pattern, Visit visit) {
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileW(pattern, &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    visit(entry);
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}

// The whole file behind the handle when it is a file on a disk of a size a save can have. The
// size is checked again while reading, in case the file grows meanwhile.
FileContent readDiskFile(HANDLE file) {
  LARGE_INTEGER size{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size) ||
      static_cast<std::uintmax_t>(size.QuadPart) > kMaxReadableFileSize) {
    return {FileContent::Status::kUnsuitable, {}};
  }
  FileContent result;
  result.content.reserve(static_cast<std::size_t>(size.QuadPart));
  std::array<char, 1 << 16> chunk;
  for (;;) {
    DWORD count = 0;
    if (!ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &count, nullptr)) {
      return {FileContent::Status::kCannotOpen, {}};
    }
    if (count == 0) return result;
    result.content.append(chunk.data(), count);
    if (result.content.size() > kMaxReadableFileSize) return {FileContent::Status::kUnsuitable, {}};
  }
}

bool writeAll(HANDLE file, std::string_view content) {
  while (!content.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), kMaxChunk));
    if (!WriteFile(file, content.data(), chunk, &written, nullptr)) return false;
    content.remove_prefix(written);
  }
  return true;
}

// A new, empty file beside the target (in its folder) whose name nothing bears yet; its name goes
// to `name`.
HANDLE createTemporary(const std::wstring& target, std::wstring& name) {
  const std::size_t folderLength = target.find_last_of(L"/\\") + 1;  // npos + 1 is 0: no folder
  const std::wstring prefix = target.substr(0, folderLength) + std::wstring(kTemporaryPrefix) +
                              target.substr(folderLength) + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(GetTickCount64());
  for (int attempt = 0;; ++attempt) {
    name = prefix + L"-" + std::to_wstring(attempt);
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS || attempt == 100) return file;
  }
}

// The name with the working directory in front; empty when it cannot be had.
std::wstring fullPath(const std::wstring& name) {
  const DWORD length = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (length == 0) return {};
  std::wstring path(length, L'\0');
  const DWORD written = GetFullPathNameW(name.c_str(), length, path.data(), nullptr);
  path.resize(written < length ? written : 0);
  return path;
}

// Another program holds the file without letting it be deleted, so ReplaceFileW would fail now
// (and Wine's would leave a stray backup file behind on every attempt).
bool isHeldElsewhere(const std::wstring& target) {
  const HANDLE probe = CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (probe == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
  CloseHandle(probe);
  return false;
}

// Puts the written temporary file in the target's place: ReplaceFileW keeps the old file's
// attributes and permissions; a target that does not exist yet is a plain write-through move.
bool putInPlace(const std::wstring& temporary, const std::wstring& target) {
  if (attributesOf(target) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND) {
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  if (isHeldElsewhere(target)) {
    SetLastError(ERROR_SHARING_VIOLATION);
    return false;
  }
  // Full paths: Wine's ReplaceFileW refuses names relative to the working directory.
  return ReplaceFileW(fullPath(target).c_str(), fullPath(temporary).c_str(), nullptr,
                      REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
}

}  // namespace

WindowsFileSystem::~WindowsFileSystem() {
  if (lockHandle_ != nullptr) CloseHandle(lockHandle_);
}

std::vector<SaveFileInfo> WindowsFileSystem::listSaveFiles() {
  std::vector<SaveFileInfo> saves;
  // "*" and not "*.txt": the short 8.3 names would let "*.txt" match "notiz.txtx" as well.
  forEachEntry(L"*", [&](const WIN32_FIND_DATAW& entry) {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return;
    std::string name = narrow(entry.cFileName);
    if (!isSaveName(name)) return;
    const std::uintmax_t size = (static_cast<std::uintmax_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
    saves.push_back({std::move(name), size, secondsSince1970(entry.ftLastWriteTime)});
  });
  std::sort(saves.begin(), saves.end(),
            [](const SaveFileInfo& a, const SaveFileInfo& b) { return a.name < b.name; });
  return saves;
}

FileContent WindowsFileSystem::readFile(const std::string& name) {
  if (isDeviceName(name)) return {FileContent::Status::kUnsuitable, {}};
  const std::wstring path = widen(name);
  const DWORD attributes = attributesOf(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return {FileContent::Status::kCannotOpen, {}};
  if (isDirectory(attributes)) return {FileContent::Status::kUnsuitable, {}};
  HANDLE file = INVALID_HANDLE_VALUE;
  const bool opened = withRetries([&] {
    file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file != INVALID_HANDLE_VALUE;
  });
  if (!opened) return {FileContent::Status::kCannotOpen, {}};
  FileContent result = readDiskFile(file);
  CloseHandle(file);
  return result;
}

WriteResult WindowsFileSystem::writeFileAtomically(const std::string& name, std::string_view content) {
  if (isDeviceName(name)) return WriteResult{false, kReservedNameReason};
  const std::wstring target = widen(name);
  if (target.empty()) return failure(ERROR_INVALID_NAME);
  if (isDirectory(attributesOf(target))) return failure(ERROR_DIRECTORY);
  std::wstring temporary;
  const HANDLE file = createTemporary(target, temporary);
  if (file == INVALID_HANDLE_VALUE) return failure(GetLastError());
  const auto abandon = [&](DWORD error) {
    DeleteFileW(temporary.c_str());
    return failure(error);
  };
  if (!writeAll(file, content) || !FlushFileBuffers(file)) {
    const DWORD error = GetLastError();
    CloseHandle(file);
    return abandon(error);
  }
  if (!CloseHandle(file)) return abandon(GetLastError());
  if (!withRetries([&] { return putInPlace(temporary, target); })) return abandon(GetLastError());
  return {};
}

void WindowsFileSystem::removeStaleTemporaries(const std::string& folder) {
  const std::wstring directory = widen(folder) + L"\\";
  const std::wstring pattern = directory + std::wstring(kTemporaryPrefix) + L"*";
  forEachEntry(pattern.c_str(), [&](const WIN32_FIND_DATAW& entry) {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return;
    if (std::wstring_view(entry.cFileName).starts_with(kTemporaryPrefix)) {
      DeleteFileW((directory + entry.cFileName).c_str());
    }
  });
}

WriteResult WindowsFileSystem::createFolder(const std::string& name) {
  if (isDeviceName(name)) return WriteResult{false, kReservedNameReason};
  const std::wstring path = widen(name);
  if (path.empty()) return failure(ERROR_INVALID_NAME);
  if (CreateDirectoryW(path.c_str(), nullptr)) return {};
  const DWORD error = GetLastError();
  // A folder that is there already will do, even where nothing new may be created.
  const DWORD attributes = attributesOf(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return failure(error);
  return isDirectory(attributes) ? WriteResult{} : WriteResult{false, kNoFolderReason};
}

DirectoryLock WindowsFileSystem::lockWorkingDirectory() {
  if (lockHandle_ != nullptr) return {};
  // No sharing at all: a second program cannot open the file while this one runs.
  const HANDLE file = CreateFileW(kLockFileName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION) return {DirectoryLock::Status::kHeldByAnotherProgram, {}};
    // Without the lock file (no permission to write here) nothing would keep a second copy out.
    return {DirectoryLock::Status::kImpossible, reasonFor(error)};
  }
  lockHandle_ = file;
  return {};
}

bool WindowsFileSystem::exists(const std::string& name) {
  if (isDeviceName(name)) return false;
  const DWORD attributes = attributesOf(widen(name));
  return attributes != INVALID_FILE_ATTRIBUTES && !isDirectory(attributes);
}

bool WindowsFileSystem::nameInUse(const std::string& name) {
  return isDeviceName(name) || attributesOf(widen(name)) != INVALID_FILE_ATTRIBUTES;
}

WriteResult WindowsFileSystem::renameFile(const std::string& from, const std::string& to) {
  if (isDeviceName(from) || isDeviceName(to)) return WriteResult{false, kReservedNameReason};
  const std::wstring source = widen(from);
  const std::wstring target = widen(to);
  if (source.empty() || target.empty()) return failure(ERROR_INVALID_NAME);
  // Without MOVEFILE_REPLACE_EXISTING an entry that appeared under the new name is never replaced.
  if (withRetries([&] { return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH); })) return {};
  return failure(GetLastError());
}

WriteResult WindowsFileSystem::appendLine(const std::string& name, std::string_view line) {
  if (isDeviceName(name)) return WriteResult{false, kReservedNameReason};
  const std::wstring path = widen(name);
  if (path.empty()) return failure(ERROR_INVALID_NAME);
  if (isDirectory(attributesOf(path))) return failure(ERROR_DIRECTORY);
  HANDLE file = INVALID_HANDLE_VALUE;
  const bool opened = withRetries([&] {
    file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    return file != INVALID_HANDLE_VALUE;
  });
  if (!opened) return failure(GetLastError());
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return WriteResult{false, "an dieser Stelle steht keine gewoehnliche Datei"};
  }
  const std::string text = std::string(line) + std::string(lineEnd());
  const bool written = writeAll(file, text);
  const DWORD error = GetLastError();
  CloseHandle(file);
  if (!written) return failure(error);
  return {};
}

bool WindowsFileSystem::openInViewer(const std::string& name) {
  const std::wstring file = widen(name);
  if (file.empty()) return false;
  // Some shell extensions that open pictures need COM; a second call on the thread does no harm.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  SHELLEXECUTEINFOW request{};
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;  // the game says itself what went wrong
  request.lpVerb = L"open";
  request.lpFile = file.c_str();
  request.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&request) != FALSE;
}

}  // namespace vaskorath
