#include "stand-ins/zip32/Plan.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "stand-ins/common/Fd.h"
#include "stand-ins/zip32/StoredName.h"

namespace zip32 {

namespace {

std::string Child(const std::string& folder, const std::string& name) {
  return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

// Files are read only when the archive is written; opening each one now finds the unreadable
// ones before anything is written.
bool CanRead(const std::string& path, std::string& cause) {
  const standin::Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.Get() < 0) cause = standin::ErrorText(errno);
  return fd.Get() >= 0;
}

}  // namespace

void Plan::Add(const std::string& listed) {
  struct stat info {};
  if (::stat(listed.c_str(), &info) != 0) {
    report_.Problem(ZIP32_ERR_MISSING, listed, standin::ErrorText(errno));
  } else {
    AddFound(listed, info);
  }
}

void Plan::AddFound(const std::string& path, const struct stat& info) {
  if (S_ISDIR(info.st_mode)) {
    AddFolder(path, info);
  } else if (S_ISREG(info.st_mode)) {
    AddFile(path, info);
  } else {
    report_.Warning(path, "ni fichier ni dossier, laissé de côté");
  }
}

bool Plan::IsArchive(const struct stat& info) const {
  return archive_ && archive_->st_dev == info.st_dev && archive_->st_ino == info.st_ino;
}

void Plan::AddFile(const std::string& path, const struct stat& info) {
  if (IsArchive(info)) {
    report_.Line("ignoré", path + " (l'archive elle-même)");
    return;
  }
  const StoredName stored = NameOf(path, options_.junkFolders != 0);
  std::string cause;
  if (!stored.refusal.empty()) {
    report_.Problem(ZIP32_ERR_NAME, path, stored.refusal);
  } else if (stored.name.empty()) {
    report_.Problem(ZIP32_ERR_NAME, path, "aucun nom sous lequel ranger le fichier");
  } else if (!CanRead(path, cause)) {
    report_.Problem(ZIP32_ERR_MISSING, path, cause);
  } else {
    Store({path, stored.name, false, static_cast<zip_uint64_t>(info.st_size), info.st_mtime}, info);
  }
}

void Plan::AddFolder(const std::string& path, const struct stat& info) {
  if (options_.junkFolders == 0) {
    const StoredName stored = NameOf(path, false);
    if (!stored.refusal.empty()) {
      report_.Problem(ZIP32_ERR_NAME, path, stored.refusal);
      return;
    }
    // "/" and "." have no name of their own; what they hold still has.
    if (!stored.name.empty()) Store({path, stored.name + "/", true, 0, info.st_mtime}, info);
  }
  if (options_.recurse != 0) AddContents(path);
}

void Plan::AddContents(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    names.push_back(it->path().filename().string());
  }
  if (error) {
    report_.Problem(ZIP32_ERR_MISSING, folder, standin::ErrorText(error.value()));
    return;
  }
  // The same archive from the same folder, whatever order the system lists it in.
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) AddChild(Child(folder, name));
}

void Plan::AddChild(const std::string& path) {
  struct stat link {};
  struct stat info {};
  if (::lstat(path.c_str(), &link) != 0 || ::stat(path.c_str(), &info) != 0) {
    if (S_ISLNK(link.st_mode)) {
      report_.Warning(path, "lien symbolique vers rien, laissé de côté");
    } else {
      report_.Problem(ZIP32_ERR_MISSING, path, standin::ErrorText(errno));
    }
  } else if (S_ISDIR(info.st_mode) && S_ISLNK(link.st_mode)) {
    // Followed, it could lead out of the folder or back into it for ever.
    report_.Warning(path, "lien symbolique vers un dossier, non suivi");
  } else {
    AddFound(path, info);
  }
}

void Plan::Store(PlannedEntry entry, const struct stat& info) {
  const auto [at, added] =
      sources_.try_emplace(entry.name, Source{info.st_dev, info.st_ino, entry.path});
  if (added) {
    entries_.push_back(std::move(entry));
  } else if (at->second.device != info.st_dev || at->second.inode != info.st_ino) {
    report_.Problem(ZIP32_ERR_NAME, entry.path,
                    "serait rangé sous le nom " + entry.name + ", comme " + at->second.path);
  }
}

}  // namespace zip32
