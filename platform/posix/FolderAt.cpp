#include "platform/posix/FolderAt.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <utility>
#include <vector>

namespace ferolan {

namespace {

struct Closedir {
  void operator()(DIR* listing) const { ::closedir(listing); }
};

// One folder on the way down: where it is, and the names in it not yet removed.
struct Level {
  std::string name;  // its name in the level above
  dev_t device;
  ino_t inode;
  std::vector<std::string> pending;
};

bool Describe(int folder, std::string name, Level& level) {
  struct stat info {};
  if (::fstat(folder, &info) != 0) return false;
  level = {std::move(name), info.st_dev, info.st_ino, NamesStartingWith(folder, "")};
  std::erase_if(level.pending, [](const std::string& n) { return n == "." || n == ".."; });
  return true;
}

bool IsFolder(int fd, const Level& level) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && info.st_dev == level.device && info.st_ino == level.inode;
}

// Empties the folder open as `top`, depth first, holding one descriptor whatever the depth and
// keeping the way back on the heap, not the stack. It goes down only through folders opened
// without following links and on the same file system, and back up through "..", which must be
// the folder it came from: a tree moved away meanwhile is left, never followed out.
void RemoveContents(UniqueFd top) {
  std::vector<Level> levels(1);
  if (!Describe(top.Get(), "", levels.back())) return;
  UniqueFd current = std::move(top);
  for (;;) {
    Level& level = levels.back();
    if (level.pending.empty()) {
      if (levels.size() == 1) return;
      UniqueFd up(::openat(current.Get(), "..", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
      if (!up.Valid() || !IsFolder(up.Get(), levels[levels.size() - 2])) return;
      const std::string name = std::move(level.name);
      levels.pop_back();
      current = std::move(up);
      ::unlinkat(current.Get(), name.c_str(), AT_REMOVEDIR);
      continue;
    }
    std::string child = std::move(level.pending.back());
    level.pending.pop_back();
    if (::unlinkat(current.Get(), child.c_str(), 0) == 0) continue;  // a file or a link
    UniqueFd below = OpenFolderAt(current.Get(), child);
    Level next;
    if (!below.Valid() || !Describe(below.Get(), std::move(child), next)) continue;
    if (next.device != level.device) continue;  // a mount point: not ours to empty
    levels.push_back(std::move(next));
    current = std::move(below);
  }
}

}  // namespace

UniqueFd OpenFolderAt(int parent, const std::string& name) {
  return UniqueFd(::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

void RemoveTreeAt(int parent, const std::string& name) {
  UniqueFd folder = OpenFolderAt(parent, name);
  if (!folder.Valid()) {
    ::unlinkat(parent, name.c_str(), 0);  // a file or a link
    return;
  }
  RemoveContents(std::move(folder));
  ::unlinkat(parent, name.c_str(), AT_REMOVEDIR);
}

std::vector<std::string> NamesStartingWith(int folder, std::string_view prefix) {
  std::vector<std::string> names;
  // A descriptor of its own: a duplicate would share the reading offset, and a second listing
  // of the same folder would find nothing.
  UniqueFd own(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  const std::unique_ptr<DIR, Closedir> listing(own.Valid() ? ::fdopendir(own.Get()) : nullptr);
  if (!listing) return names;
  own.Release();  // the listing closes it
  while (const dirent* entry = ::readdir(listing.get())) {
    if (std::string_view(entry->d_name).starts_with(prefix)) names.emplace_back(entry->d_name);
  }
  return names;
}

}  // namespace ferolan
