// The target folder and what is written below it. Folders are reached one part at a time from
// the target without following symbolic links (nor, on Windows, junctions), so that no entry
// can write outside it, and each file is written under a temporary name and renamed into place
// once complete.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace unzip32 {

// A folder held open below the target, or the target itself, as the system names it.
struct OpenFolder;
struct CloseFolder {
  void operator()(OpenFolder* folder) const;
};
using FolderPointer = std::unique_ptr<OpenFolder, CloseFolder>;

// A file being written under a temporary name in its folder; removed unless committed.
class PartFile {
 public:
  static std::unique_ptr<PartFile> Create(const OpenFolder& folder, std::string& cause);
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;
  ~PartFile();

  bool Write(const char* data, std::size_t size, std::string& cause);
  // Gives the file the modification time that the archive holds for it.
  void SetModified(std::time_t modified);
  // Closes the file and renames it to `name` in its folder, replacing a file of that name.
  bool Commit(const std::string& name, std::string& cause);

 private:
  struct Native;  // the system's handle and the temporary name
  explicit PartFile(std::unique_ptr<Native> native);
  std::unique_ptr<Native> native_;
};

class TargetTree {
 public:
  enum class Outcome { kOk, kUnsafe, kFailed };
  enum class Existing { kNothing, kFile, kFolder };

  // Opens the target folder, which must exist; the current folder for a null or empty path.
  static std::unique_ptr<TargetTree> Open(const char* folder, std::string& cause);

  // The folder made of the first `count` parts, created where missing; null on failure, with
  // `outcome` telling a symbolic link in the way (kUnsafe) from other failures.
  const OpenFolder* Folder(const std::vector<std::string>& parts, std::size_t count,
                           Outcome& outcome, std::string& cause);

  static Existing Find(const OpenFolder& folder, const std::string& name);

  // The bytes free for us on the target's disk; the largest number when unknown.
  std::uint64_t FreeBytes() const;

  // Removes the file that the parts name below the target, without following links or
  // creating anything; folders stay.
  void RemoveFile(const std::vector<std::string>& parts) const;

 private:
  explicit TargetTree(FolderPointer root) : root_(std::move(root)) {}
  // Creates the folder `name` in `parent` where missing and opens it; null on failure.
  static FolderPointer OpenChild(const OpenFolder& parent, const std::string& name,
                                 Outcome& outcome, std::string& cause);

  FolderPointer root_;
  // The folders last opened, each one below the one before: consecutive entries of one folder
  // reuse them.
  std::vector<std::string> openNames_;
  std::vector<FolderPointer> openFolders_;
};

}  // namespace unzip32
