// The target folder and what is written below it. Folders are reached one part at a time from
// the target without following symbolic links, so that no entry can write outside it, and each
// file is written under a temporary name and renamed into place once complete.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "stand-ins/common/Fd.h"

namespace unzip32 {

using standin::ErrorText;
using standin::Fd;

// A file being written under a temporary name in its folder; removed unless committed.
class PartFile {
 public:
  static std::unique_ptr<PartFile> Create(int folder, std::string& cause);
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;
  ~PartFile();

  bool Write(const char* data, std::size_t size, std::string& cause);
  // Gives the file the modification time that the archive holds for it.
  void SetModified(std::time_t modified);
  // Closes the file and renames it to `name` in its folder, replacing a file of that name.
  bool Commit(const std::string& name, std::string& cause);

 private:
  PartFile(int folder, Fd file, std::string name)
      : folder_(folder), file_(std::move(file)), name_(std::move(name)) {}
  int folder_;
  Fd file_;
  std::string name_;
  bool committed_ = false;
};

class TargetTree {
 public:
  enum class Outcome { kOk, kUnsafe, kFailed };
  enum class Existing { kNothing, kFile, kFolder };

  // Opens the target folder, which must exist; the current folder for a null or empty path.
  static std::unique_ptr<TargetTree> Open(const char* folder, std::string& cause);

  // The folder made of the first `count` parts, created where missing; -1 on failure, with
  // `outcome` telling a symbolic link in the way (kUnsafe) from other failures.
  int Folder(const std::vector<std::string>& parts, std::size_t count, Outcome& outcome,
             std::string& cause);

  static Existing Find(int folder, const std::string& name);

  // The bytes free for us on the target's disk; the largest number when unknown.
  std::uint64_t FreeBytes() const;

  // Removes the file that the parts name below the target, without following links or
  // creating anything; folders stay.
  void RemoveFile(const std::vector<std::string>& parts) const;

 private:
  explicit TargetTree(Fd root) : root_(std::move(root)) {}
  Fd root_;
  // The folders last opened, each one below the one before: consecutive entries of one folder
  // reuse them.
  std::vector<std::string> openNames_;
  std::vector<Fd> openFolders_;
};

}  // namespace unzip32
