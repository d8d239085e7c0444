// In-memory files: a map from name to content.
#include "console/memory_file_system.h"

#include <utility>

namespace vaskorath {

std::vector<SaveFileInfo> MemoryFileSystem::listSaveFiles() {
  std::vector<SaveFileInfo> saves;
  for (const auto& [name, content] : files) {  // std::map keeps them sorted by name
    if (name.size() > 4 && name.ends_with(".txt")) saves.push_back({name, content.size(), 0});
  }
  return saves;
}

FileContent MemoryFileSystem::readFile(const std::string& name) {
  if (unsuitableFiles.contains(name)) return {FileContent::Status::kUnsuitable, {}};
  const auto found = files.find(name);
  if (found == files.end()) return {FileContent::Status::kCannotOpen, {}};
  return {FileContent::Status::kRead, found->second};
}

std::optional<WriteResult> MemoryFileSystem::refusalToWrite(const std::string& name) const {
  if (!writeFailureReason.empty()) return WriteResult{false, writeFailureReason};
  if (folders.contains(name)) return WriteResult{false, "an dieser Stelle steht ein Verzeichnis"};
  const std::size_t slash = name.rfind('/');
  if (slash != std::string::npos && !folders.contains(name.substr(0, slash))) {
    return WriteResult{false, "Datei oder Verzeichnis nicht gefunden"};
  }
  return std::nullopt;
}

WriteResult MemoryFileSystem::writeFileAtomically(const std::string& name, std::string_view content) {
  if (std::optional<WriteResult> refusal = refusalToWrite(name)) return *refusal;
  files[name].assign(content);  // a file written again keeps its memory
  return {};
}

WriteResult MemoryFileSystem::writeFileAtomicallyTaking(const std::string& name, std::string content) {
  if (std::optional<WriteResult> refusal = refusalToWrite(name)) return *refusal;
  files[name] = std::move(content);
  return {};
}

WriteResult MemoryFileSystem::createFolder(const std::string& name) {
  if (folders.contains(name)) return {};
  if (!writeFailureReason.empty()) return WriteResult{false, writeFailureReason};
  if (nameInUse(name)) return WriteResult{false, "an dieser Stelle steht kein Verzeichnis"};
  folders.insert(name);
  return {};
}

WriteResult MemoryFileSystem::renameFile(const std::string& from, const std::string& to) {
  if (!writeFailureReason.empty()) return WriteResult{false, writeFailureReason};
  const auto found = files.find(from);
  if (found == files.end() || nameInUse(to)) return WriteResult{false, "Datei nicht gefunden"};
  files[to] = std::move(found->second);
  files.erase(from);
  return {};
}

bool MemoryFileSystem::openInViewer(const std::string& name) {
  if (!viewerAvailable) return false;
  openedInViewer.push_back(name);
  return true;
}

WriteResult MemoryFileSystem::appendLine(const std::string& name, std::string_view line) {
  if (!writeFailureReason.empty()) return WriteResult{false, writeFailureReason};
  if (unsuitableFiles.contains(name)) return WriteResult{false, "an dieser Stelle steht keine gewoehnliche Datei"};
  std::string& content = files[name];
  content += line;
  content += textLineEnd;
  return {};
}

}  // namespace vaskorath
