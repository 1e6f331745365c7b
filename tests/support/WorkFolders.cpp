#include "tests/support/WorkFolders.h"

#include <filesystem>

#include "platform/runtime/WorkFolder.h"

namespace ferolan::testing {

std::vector<std::string> WorkFolders() {
  std::vector<std::string> folders;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(WorkRootPath(), ec)) {
    if (!entry.is_symlink() && entry.is_directory()) folders.push_back(entry.path().string());
  }
  return folders;
}

}  // namespace ferolan::testing
