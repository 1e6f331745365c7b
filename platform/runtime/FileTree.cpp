#include "platform/runtime/FileTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace ferolan {

UniqueFd OpenFolderAt(int parent, const std::string& name) {
  return UniqueFd(::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

void RemoveTreeAt(int parent, const std::string& name) {
  UniqueFd folder = OpenFolderAt(parent, name);
  if (!folder.Valid()) {
    ::unlinkat(parent, name.c_str(), 0);  // a file or a link
    return;
  }
  // The names are read first, so the listing is closed before the folders below are opened:
  // one descriptor per level, whatever the number of entries.
  for (const std::string& child : NamesStartingWith(folder.Get(), "")) {
    if (child == "." || child == "..") continue;
    if (::unlinkat(folder.Get(), child.c_str(), 0) != 0) RemoveTreeAt(folder.Get(), child);
  }
  folder.Close();
  ::unlinkat(parent, name.c_str(), AT_REMOVEDIR);
}

std::vector<std::string> NamesStartingWith(int folder, std::string_view prefix) {
  std::vector<std::string> names;
  if (DIR* listing = ::fdopendir(::dup(folder))) {
    while (const dirent* entry = ::readdir(listing)) {
      if (std::string_view(entry->d_name).starts_with(prefix)) names.emplace_back(entry->d_name);
    }
    ::closedir(listing);
  }
  return names;
}

}  // namespace ferolan
