// A file written completely under a temporary name and put in place under its final name only
// when asked, so that a failed write leaves an earlier file of that name as it was. Where the
// file system allows, the temporary file has no name at all until it is put in place, so a
// killed process leaves nothing; elsewhere it has a hidden name that the next replacement of
// the same file removes.
#pragma once

#include <string>

#include "platform/runtime/OutputFile.h"
#include "platform/runtime/UniqueFd.h"

namespace ferolan {

class ReplacementFile {
 public:
  // A final name that is a symbolic link stands for the file the link points to: that file
  // is replaced and the link kept. Raises the runtime's file error, before anything is written,
  // when the final file cannot be replaced (a folder, a FIFO or a device has its name, or it
  // cannot be written) or no temporary file can be made beside it.
  explicit ReplacementFile(const std::string& finalPath);
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;
  // Unless put in place, the temporary file goes.
  ~ReplacementFile();

  OutputFile& File() { return file_; }
  // Writes what is still buffered and closes the data; raises the runtime's error on failure.
  void Complete();
  // Gives the completed file its final name, replacing an earlier file with the same
  // permission bits; raises the runtime's error on failure.
  void PutInPlace();

 private:
  UniqueFd CreateTemporary();

  std::string target_;  // the file replaced, with links resolved
  std::string leaf_;    // its name in its folder
  int keptMode_ = -1;   // the permission bits of the file replaced, if there is one
  UniqueFd folder_;
  std::string tempName_;  // empty while the temporary file has no name
  UniqueFd held_;         // keeps the data and its lock until the file is in place
  OutputFile file_;
  bool inPlace_ = false;
};

}  // namespace ferolan
