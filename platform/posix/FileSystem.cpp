#include "platform/runtime/FileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

void Kill(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    RaiseForFile(kErrFileNotFound, path);
  if (::unlink(path.c_str()) != 0) RaiseFileError(errno, FileAccess::kRead, path);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string LeafOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

bool FolderOfExists(const std::string& path) {
  std::error_code ec;
  const auto parent = std::filesystem::path(path).parent_path();
  return parent.empty() || std::filesystem::is_directory(parent, ec);
}

std::string Dir(const std::string& path) {
  struct stat info {};
  if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
  std::string name = std::filesystem::path(path).filename().string();
  return name.starts_with('.') ? std::string() : name;
}

}  // namespace ferolan
