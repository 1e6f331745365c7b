// The file a result is written to before it is staged for its final name: without a name where
// the file system allows (a killed run then leaves nothing), else under a temporary name beside
// the final one (ResultNames.h). It is locked, so that another run's sweep leaves it alone, and
// its name goes with the object unless the name has been handed on.
#pragma once

#include <string>
#include <utility>

#include "platform/posix/UniqueFd.h"

namespace ferolan {

class TemporaryFile {
 public:
  // Creates it, empty and open for reading and writing, in the folder open as `folder`, for the
  // final name `leaf`; then removes the temporaries of `leaf` that ended runs left there: those
  // owned as this new file is (on a file system without owners, all of them) and locked by
  // nobody. Raises the runtime's file error, naming `shownPath`.
  static TemporaryFile Create(int folder, const std::string& leaf, const std::string& shownPath);

  TemporaryFile(TemporaryFile&& other) noexcept
      : folder_(std::move(other.folder_)),
        name_(std::exchange(other.name_, {})),
        fd_(std::move(other.fd_)),
        unnamed_(other.unnamed_) {}
  TemporaryFile& operator=(TemporaryFile&&) = delete;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  // Removes the file's name, if it has one that has not been handed on.
  ~TemporaryFile();

  int Fd() const { return fd_.Get(); }
  bool Unnamed() const { return unnamed_; }
  // Gives the file `name` in its folder: links an unnamed one, renames a named one, whose name
  // then goes. Raises the runtime's file error naming `shownPath`.
  void MoveTo(const std::string& name, const std::string& shownPath);

 private:
  TemporaryFile(UniqueFd folder, std::string name, UniqueFd fd, bool unnamed)
      : folder_(std::move(folder)),
        name_(std::move(name)),
        fd_(std::move(fd)),
        unnamed_(unnamed) {}

  UniqueFd folder_;
  std::string name_;  // its temporary name; empty while it has none
  UniqueFd fd_;       // holds the lock until the file is in place or gone
  bool unnamed_;
};

}  // namespace ferolan
