#include "stand-ins/unzip32/TargetTree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

#include "platform/runtime/FreeSpace.h"
#include "platform/runtime/ShownName.h"
#include "stand-ins/common/posix/Fd.h"

namespace unzip32 {

using standin::ErrorText;
using standin::Fd;

struct OpenFolder {
  Fd fd;
};

void CloseFolder::operator()(OpenFolder* folder) const { delete folder; }

struct PartFile::Native {
  int folder;
  Fd file;
  std::string name;
  bool committed = false;
};

PartFile::PartFile(std::unique_ptr<Native> native) : native_(std::move(native)) {}

std::unique_ptr<PartFile> PartFile::Create(const OpenFolder& folder, std::string& cause) {
  static std::atomic<unsigned long> counter{0};
  static const std::string prefix = ".unzip32-" + std::to_string(::getpid()) + "-";
  for (;;) {
    std::string name = prefix + std::to_string(counter++) + ".part";
    const int fd = ::openat(folder.fd.Get(), name.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      return std::unique_ptr<PartFile>(
          new PartFile(std::make_unique<Native>(Native{folder.fd.Get(), Fd(fd), std::move(name)})));
    }
    if (errno != EEXIST) {
      cause = ErrorText(errno);
      return nullptr;
    }
  }
}

PartFile::~PartFile() {
  if (native_->committed) return;
  native_->file.Close();
  ::unlinkat(native_->folder, native_->name.c_str(), 0);
}

bool PartFile::Write(const char* data, std::size_t size, std::string& cause) {
  while (size > 0) {
    const ssize_t written = ::write(native_->file.Get(), data, size);
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
  ::futimens(native_->file.Get(),
             times);  // a file system without times keeps the time of extraction
}

bool PartFile::Commit(const std::string& name, std::string& cause) {
  if (!native_->file.Close() ||
      ::renameat(native_->folder, native_->name.c_str(), native_->folder, name.c_str()) != 0) {
    cause = ErrorText(errno);
    return false;
  }
  native_->committed = true;
  return true;
}

std::unique_ptr<TargetTree> TargetTree::Open(const char* folder, std::string& cause) {
  const char* path = folder == nullptr || *folder == '\0' ? "." : folder;
  const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    cause = ErrorText(errno);
    return nullptr;
  }
  return std::unique_ptr<TargetTree>(new TargetTree(FolderPointer(new OpenFolder{Fd(fd)})));
}

TargetTree::Existing TargetTree::Find(const OpenFolder& folder, const std::string& name) {
  struct stat info {};
  if (::fstatat(folder.fd.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
    return Existing::kNothing;
  }
  return S_ISDIR(info.st_mode) ? Existing::kFolder : Existing::kFile;
}

std::uint64_t TargetTree::FreeBytes() const { return ferolan::FreeBytes(root_->fd.Get()); }

void TargetTree::RemoveFile(const std::vector<std::string>& parts) const {
  Fd folder(::dup(root_->fd.Get()));
  for (std::size_t i = 0; i + 1 < parts.size() && folder.Get() >= 0; ++i) {
    folder = Fd(
        ::openat(folder.Get(), parts[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  }
  if (folder.Get() >= 0 && !parts.empty()) ::unlinkat(folder.Get(), parts.back().c_str(), 0);
}

FolderPointer TargetTree::OpenChild(const OpenFolder& parent, const std::string& name,
                                    Outcome& outcome, std::string& cause) {
  if (::mkdirat(parent.fd.Get(), name.c_str(), 0777) != 0 && errno != EEXIST) {
    outcome = Outcome::kFailed;
    cause = "impossible de créer le dossier " + ferolan::ShownName(name) + " : " + ErrorText(errno);
    return nullptr;
  }
  const int fd =
      ::openat(parent.fd.Get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    struct stat info {};
    if (::fstatat(parent.fd.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISLNK(info.st_mode)) {
      outcome = Outcome::kUnsafe;
      cause = "le dossier " + ferolan::ShownName(name) + " est un lien symbolique";
    } else {
      outcome = Outcome::kFailed;
      cause =
          "impossible d'ouvrir le dossier " + ferolan::ShownName(name) + " : " + ErrorText(error);
    }
    return nullptr;
  }
  return FolderPointer(new OpenFolder{Fd(fd)});
}

}  // namespace unzip32
