// One file of a result pair (ResultPair.h says how the pair uses it): its final name checked,
// its new contents written to a temporary file beside it, and the steps by which it is put in
// place under its final name, or taken back when the other file of the pair cannot follow.
#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/posix/TemporaryFile.h"
#include "platform/posix/UniqueFd.h"
#include "platform/runtime/OutputFile.h"

namespace ferolan {

// Where a final name leads, once checked: the file to replace, with links resolved.
struct Destination {
  std::string shownPath;  // the name the user gave, for messages
  std::string target;     // the file replaced, with links resolved
  std::string leaf;       // its name in its folder
  UniqueFd folder;
  struct stat replaced {};  // the file replaced; st_nlink is 0 when there is none
};

class ReplacementFile {
 public:
  // Checks the final name, then makes the temporary file. A final name that is a symbolic
  // link stands for the file the link points to: that file is replaced and the link kept, when
  // the link is the user's own or its folder can be changed by nobody but the user (and root),
  // and it ends at an existing file. Raises the runtime's file error, naming `finalPath`,
  // before anything is written, when the final file cannot be replaced (such a link, a folder,
  // a FIFO or a device under its name, another user's file in a sticky folder, a file that
  // cannot be written) or no temporary file can be made.
  static ReplacementFile Open(const std::string& finalPath);

  ReplacementFile(ReplacementFile&&) noexcept = default;
  ReplacementFile& operator=(ReplacementFile&&) = delete;
  // Whatever has not been put in place goes: the temporary file, or the new contents taken back.
  ~ReplacementFile();

  OutputFile& File() { return file_; }
  // Raises the runtime's error, naming this file, when `other` would end at the same file.
  void CheckDistinctFrom(const ReplacementFile& other) const;

  // Writes what is still buffered, flushes the data to disk, closes it and gives the temporary
  // file a name, so that only renames are left; raises the runtime's error on failure.
  void Complete();
  // Checks the final name again: raises the runtime's error, naming it, when it can no longer be
  // replaced, leads elsewhere than it did, or is now taken where it was free.
  void CheckAgain();
  // Puts the new file under the final name, keeping the file it replaces under a hidden name
  // until DropReplaced; raises the runtime's error, with nothing changed, when it cannot.
  // Called before Complete, it is a programming error (std::logic_error).
  void PutInPlace();
  // Undoes PutInPlace: the replaced file back under the final name. False when it could not
  // be done; both files are then left where they are, nothing removed.
  bool TakeBack();
  // Removes the replaced file, once the pair is in place.
  void DropReplaced();
  // Flushes the folder's names to disk; false when the file system could not.
  bool SyncFolder() const;

 private:
  enum class Placing {
    kNotPlaced,
    kExchanged,  // the replaced file is under the temporary's name
    kNew,        // no file was replaced
    kMovedAway,  // the replaced file is under `movedAway_`
  };

  ReplacementFile(Destination destination, TemporaryFile temporary, OutputFile file)
      : destination_(std::move(destination)),
        temporary_(std::move(temporary)),
        file_(std::move(file)) {}

  Destination destination_;
  TemporaryFile temporary_;
  OutputFile file_;
  Placing placing_ = Placing::kNotPlaced;
  std::string movedAway_;
};

}  // namespace ferolan
