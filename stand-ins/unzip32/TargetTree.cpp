#include "stand-ins/unzip32/TargetTree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

#include "platform/runtime/FreeSpace.h"
#include "platform/runtime/ShownName.h"

namespace unzip32 {

std::unique_ptr<PartFile> PartFile::Create(int folder, std::string& cause) {
  static std::atomic<unsigned long> counter{0};
  static const std::string prefix = ".unzip32-" + std::to_string(::getpid()) + "-";
  for (;;) {
    std::string name = prefix + std::to_string(counter++) + ".part";
    const int fd =
        ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) return std::unique_ptr<PartFile>(new PartFile(folder, Fd(fd), std::move(name)));
    if (errno != EEXIST) {
      cause = ErrorText(errno);
      return nullptr;
    }
  }
}

PartFile::~PartFile() {
  if (committed_) return;
  file_.Close();
  ::unlinkat(folder_, name_.c_str(), 0);
}

bool PartFile::Write(const char* data, std::size_t size, std::string& cause) {
  while (size > 0) {
    const ssize_t written = ::write(file_.Get(), data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      cause = ErrorText(errno);
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

void PartFile::SetModified(std::time_t modified) {
  const timespec times[2] = {{0, UTIME_OMIT}, {modified, 0}};
  ::futimens(file_.Get(), times);  // a file system without times keeps the time of extraction
}

bool PartFile::Commit(const std::string& name, std::string& cause) {
  if (!file_.Close() || ::renameat(folder_, name_.c_str(), folder_, name.c_str()) != 0) {
    cause = ErrorText(errno);
    return false;
  }
  committed_ = true;
  return true;
}

std::unique_ptr<TargetTree> TargetTree::Open(const char* folder, std::string& cause) {
  const char* path = folder == nullptr || *folder == '\0' ? "." : folder;
  const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    cause = ErrorText(errno);
    return nullptr;
  }
  return std::unique_ptr<TargetTree>(new TargetTree(Fd(fd)));
}

TargetTree::Existing TargetTree::Find(int folder, const std::string& name) {
  struct stat info {};
  if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return Existing::kNothing;
  return S_ISDIR(info.st_mode) ? Existing::kFolder : Existing::kFile;
}

std::uint64_t TargetTree::FreeBytes() const { return ferolan::FreeBytes(root_.Get()); }

void TargetTree::RemoveFile(const std::vector<std::string>& parts) const {
  Fd folder(::dup(root_.Get()));
  for (std::size_t i = 0; i + 1 < parts.size() && folder.Get() >= 0; ++i) {
    folder = Fd(
        ::openat(folder.Get(), parts[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  }
  if (folder.Get() >= 0 && !parts.empty()) ::unlinkat(folder.Get(), parts.back().c_str(), 0);
}

int TargetTree::Folder(const std::vector<std::string>& parts, std::size_t count, Outcome& outcome,
                       std::string& cause) {
  std::size_t kept = 0;
  while (kept < openNames_.size() && kept < count && openNames_[kept] == parts[kept]) ++kept;
  openNames_.resize(kept);
  openFolders_.resize(kept);
  outcome = Outcome::kOk;
  while (openNames_.size() < count) {
    const int parent = openFolders_.empty() ? root_.Get() : openFolders_.back().Get();
    const std::string& name = parts[openNames_.size()];
    if (::mkdirat(parent, name.c_str(), 0777) != 0 && errno != EEXIST) {
      outcome = Outcome::kFailed;
      cause =
          "impossible de créer le dossier " + ferolan::ShownName(name) + " : " + ErrorText(errno);
      return -1;
    }
    const int fd = ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
      const int error = errno;
      struct stat info {};
      if (::fstatat(parent, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
          S_ISLNK(info.st_mode)) {
        outcome = Outcome::kUnsafe;
        cause = "le dossier " + ferolan::ShownName(name) + " est un lien symbolique";
      } else {
        outcome = Outcome::kFailed;
        cause =
            "impossible d'ouvrir le dossier " + ferolan::ShownName(name) + " : " + ErrorText(error);
      }
      return -1;
    }
    openNames_.push_back(name);
    openFolders_.emplace_back(fd);
  }
  return count == 0 ? root_.Get() : openFolders_.back().Get();
}

}  // namespace unzip32
