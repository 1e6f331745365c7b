// A file written completely under a temporary name and put in place under its final name only
// when asked, so that a failed write leaves an earlier file of that name as it was. Where the
// file system allows, the temporary file has no name at all until it is completed, so a killed
// process leaves nothing; elsewhere it has a hidden name that the next replacement of the same
// file removes.
#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/runtime/OutputFile.h"
#include "platform/runtime/UniqueFd.h"

namespace ferolan {

class ReplacementFile {
 public:
  // A final name that is a symbolic link stands for the file the link points to: that file is
  // replaced and the link kept, where the system would let this user follow the link (not
  // another user's link in a shared folder) and it ends at an existing file. Raises the
  // runtime's file error, naming `finalPath`, before anything is written, when the final file
  // cannot be replaced (such a link, a folder, a FIFO or a device under its name, another user's
  // file in a shared folder, a file that cannot be written) or no temporary file can be made.
  explicit ReplacementFile(const std::string& finalPath);
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;
  // Unless put in place, the temporary file goes.
  ~ReplacementFile();

  OutputFile& File() { return file_; }
  // Raises the runtime's error, naming this file, when `other` would end at the same file.
  void CheckDistinctFrom(const ReplacementFile& other) const;
  // Writes what is still buffered, flushes the data to disk, closes it and gives the temporary
  // file a name, so that only the renames are left; raises the runtime's error on failure.
  void Complete();
  // Gives both completed files their final names, one right after the other with the signals
  // that end a program held back until both are done, then flushes their folders to disk.
  static void PutInPlaceTogether(ReplacementFile& first, ReplacementFile& second);

 private:
  UniqueFd CreateTemporary();
  void Rename();
  void SyncFolder() const;

  std::string shownPath_;  // the name the user gave, for messages
  std::string target_;     // the file replaced, with links resolved
  std::string leaf_;       // its name in its folder
  UniqueFd folder_;
  struct stat replaced_ {};  // the file replaced; st_nlink is 0 when there is none
  std::string tempName_;     // empty while the temporary file has no name
  UniqueFd held_;            // keeps the data and its lock until the file is in place
  OutputFile file_;
  bool inPlace_ = false;
};

}  // namespace ferolan
