// The private folder in which one conversion request keeps its work files (the extracted
// archive, the intermediate file). Folders live in the user's work root, are locked while in
// use and removed with everything in them when their request ends.
#pragma once

#include <memory>
#include <string>

namespace ferolan {

// The work root. POSIX: $XDG_CACHE_HOME/ferolan, or ~/.cache/ferolan when that variable is
// unset or not an absolute path. Windows: %LOCALAPPDATA%\Ferolan, or the shell's LocalAppData
// folder's when that variable is not a full path. Only names it; nothing is checked or created.
std::string WorkRootPath();

class WorkFolder {
 public:
  // Makes a fresh, empty folder with an unpredictable name in the work root, locked for as
  // long as the object lives. Creates the work root where it is missing, and first removes the
  // folders that processes which ended left there, never one whose lock is held; never waits
  // for another process's sweep. Raises a RuntimeError whose French description names the work
  // root when the root cannot be created, or is refused as one that others could reach:
  // - POSIX: the root (made with mode 0700) is refused when it is a symbolic link, is not a
  //   folder, belongs to another user, would be made in another user's folder, or when other
  //   users could change it or a folder on the way to it (a sticky folder such as /tmp is
  //   passed through towards the user's own; the page's files have no other users);
  // - Windows: the root is refused when it is a symbolic link or a junction, or is not a
  //   folder; its access rights are not checked: they are those it inherits from LocalAppData,
  //   the user's alone.
  static std::unique_ptr<WorkFolder> Create();

  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  // Removes the folder and everything in it, without following links; errors are ignored,
  // as the folder's lock is released all the same and the next request sweeps what is left.
  ~WorkFolder();

  // The full path, without a trailing separator, of the empty folder where the request puts
  // its files: a sub-folder of the request's folder, so that nothing written there can reach
  // the lock beside it.
  const std::string& Path() const { return path_; }

 private:
  // What the platform holds open while the folder is in use: the root, the request's folder
  // and its lock.
  struct Held;

  WorkFolder(std::unique_ptr<Held> held, std::string path);

  std::unique_ptr<Held> held_;
  std::string path_;
};

}  // namespace ferolan
