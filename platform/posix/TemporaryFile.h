// The file a result is written to before it takes its final name: without a name where the
// file system allows (a killed run then leaves nothing), else under a hidden name beside the
// final one. It is locked, so that another run's sweep leaves it alone, and its name goes with
// the object unless the name has been handed on.
#pragma once

#include <string>
#include <utility>

#include "platform/posix/UniqueFd.h"

namespace ferolan {

// Hidden temporary names are "." + the final name + this marker + random letters.
inline constexpr const char* kTemporaryMarker = ".~ferolan-";

// "." + `leaf` + the marker: what every hidden name of `leaf`'s temporaries starts with.
std::string TemporaryPrefix(const std::string& leaf);
// A fresh hidden name for `leaf`.
std::string HiddenName(const std::string& leaf);

class TemporaryFile {
 public:
  // Creates it, empty, in the folder open as `folder`, for the final name `leaf`; then removes
  // the hidden temporaries of `leaf` that ended runs left there: those owned as this new file
  // is (on a file system without owners, all of them) and locked by nobody. Raises the
  // runtime's file error, naming `shownPath`.
  static TemporaryFile Create(int folder, const std::string& leaf, const std::string& shownPath);

  TemporaryFile(TemporaryFile&& other) noexcept
      : folder_(std::move(other.folder_)),
        leaf_(std::move(other.leaf_)),
        name_(std::exchange(other.name_, {})),
        fd_(std::move(other.fd_)) {}
  TemporaryFile& operator=(TemporaryFile&&) = delete;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  // Removes the file's name, if it has one that has not been handed on.
  ~TemporaryFile();

  int Fd() const { return fd_.Get(); }
  // Its hidden name; empty while it has none.
  const std::string& Name() const { return name_; }
  // Gives an unnamed file its hidden name, which a rename needs; raises the runtime's error.
  void GiveName(const std::string& shownPath);
  // The name now belongs to another file, or to none: it is no longer removed.
  void HandOnName() { name_.clear(); }
  // The file is back under `name`, which it removes again.
  void TakeBackName(std::string name) { name_ = std::move(name); }

 private:
  TemporaryFile(UniqueFd folder, std::string leaf, std::string name, UniqueFd fd)
      : folder_(std::move(folder)),
        leaf_(std::move(leaf)),
        name_(std::move(name)),
        fd_(std::move(fd)) {}

  UniqueFd folder_;
  std::string leaf_;
  std::string name_;
  UniqueFd fd_;  // holds the lock until the file is in place or gone
};

}  // namespace ferolan
