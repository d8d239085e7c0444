// In-memory files: a map from name to content.
#include "console/memory_file_system.h"

namespace vaskorath {

std::vector<SaveFileInfo> MemoryFileSystem::listSaveFiles() {
  std::vector<SaveFileInfo> saves;
  for (const auto& [name, content] : files) {  // std::map keeps them sorted by name
    if (name.size() > 4 && name.ends_with(".txt")) saves.push_back({name, content.size(), 0});
  }
  return saves;
}

std::optional<std::string> MemoryFileSystem::readFile(const std::string& name) {
  const auto found = files.find(name);
  if (found == files.end()) return std::nullopt;
  return found->second;
}

WriteResult MemoryFileSystem::writeFileAtomically(const std::string& name, std::string_view content) {
  if (!writeFailureReason.empty()) return WriteResult{false, writeFailureReason};
  files[name] = std::string(content);
  return {};
}

bool MemoryFileSystem::openInViewer(const std::string& name) {
  if (!viewerAvailable) return false;
  openedInViewer.push_back(name);
  return true;
}

}  // namespace vaskorath
