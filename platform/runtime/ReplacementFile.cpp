#include "platform/runtime/ReplacementFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

// Refuses up front what the final rename would refuse, so nothing is written in vain.
void CheckReplaceable(const std::string& finalPath) {
  struct stat info {};
  if (::stat(finalPath.c_str(), &info) != 0) return;
  if (S_ISDIR(info.st_mode)) Raise(kErrPathFileAccess);
  if (::access(finalPath.c_str(), W_OK) != 0) RaiseFileError(errno, FileAccess::kWrite, finalPath);
}

// Creates a fresh file beside `finalPath` and stores its name in `tempPath`.
UniqueFd CreateTemporary(const std::string& finalPath, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (;;) {
    tempPath = finalPath + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    UniqueFd fd(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.Valid()) return fd;
    if (errno != EEXIST) RaiseFileError(errno, FileAccess::kWrite, finalPath);
  }
}

}  // namespace

ReplacementFile::ReplacementFile(std::string finalPath)
    : finalPath_((CheckReplaceable(finalPath), std::move(finalPath))),
      file_(CreateTemporary(finalPath_, tempPath_), finalPath_) {}

ReplacementFile::~ReplacementFile() {
  if (committed_) return;
  file_.Abandon();
  ::unlink(tempPath_.c_str());
}

void ReplacementFile::Commit() {
  file_.Close();
  if (::rename(tempPath_.c_str(), finalPath_.c_str()) != 0) {
    RaiseFileError(errno, FileAccess::kWrite, finalPath_);
  }
  committed_ = true;
}

}  // namespace ferolan
