// One file of a result pair (ResultPair.h says how the pair uses it): its final name checked,
// its new contents written to a temporary file beside it, and the steps by which it takes its
// final name. Declared once; platform/posix and platform/windows implement it, and say through
// Capabilities() what their file systems guarantee.
//
// Calling sequence: Open, writes to File(), Complete, CheckAgain, Plan (for the commit's record),
// Stage, PutInPlace, then DropEarlier once both files of the pair are in place. A step that
// raises leaves the names as the commit's record can tell (see CommitRecovery.h); nothing here
// undoes a step. Calling a step out of order is a programming error (std::logic_error).
#pragma once

#include <memory>
#include <string>

#include "platform/runtime/CommitRecord.h"
#include "platform/runtime/OutputFile.h"

namespace ferolan {

class ReplacementFile {
 public:
  // What the file system of the final name guarantees. Each is known for the platform when the
  // file is opened, and may be found missing by the step that needs it (a FAT stick), which
  // then does without.
  enum Capability : unsigned {
    // A temporary has no name until Stage: a run killed before leaves nothing behind (POSIX
    // where the file system has unnamed files; never on Windows).
    kUnnamedTemporaries = 1u << 0,
    // A folder's names can be flushed to disk (SyncFolder); without, each rename is written
    // through to disk as it is made.
    kFlushesFolders = 1u << 1,
    // The final name holds the earlier or the new file at every moment of PutInPlace: the two
    // names are exchanged (POSIX), or the earlier file takes its kept name as a second name
    // before the new one replaces it (Windows). Without (FAT, exFAT, network shares), the
    // earlier file moves to its kept name first, and the final name is free for a moment.
    kFinalNameAlwaysTaken = 1u << 2,
  };

  // Checks the final name, then makes the temporary file, and removes the temporaries of the
  // same name that runs which ended left (never a staged or a kept file). Raises the runtime's
  // file error, naming `finalPath`, before anything is written, when the final file cannot be
  // replaced or no temporary can be made. What cannot be replaced: a folder, a device or a
  // FIFO, a file that cannot be written, another user's file in a sticky folder (POSIX), a
  // read-only file or one another program keeps from being replaced (Windows). A final name
  // that is a symbolic link stands on POSIX for the file it points to, which is replaced with
  // the link kept, when the link is the user's own or its folder can be changed by nobody but
  // the user (and root), and it ends at an existing file; on Windows a link or junction is
  // refused.
  static ReplacementFile Open(const std::string& finalPath);

  ReplacementFile(ReplacementFile&&) noexcept;
  ReplacementFile& operator=(ReplacementFile&&) = delete;
  // Removes the temporary, if it still has a name of its own; staged and kept files are the
  // commit's record's to mend.
  ~ReplacementFile();

  OutputFile& File();
  unsigned Capabilities() const;
  // Raises the runtime's error, naming this file, when `other` would end at the same file.
  void CheckDistinctFrom(const ReplacementFile& other) const;

  // Writes what is still buffered, flushes the data to disk and closes it, so that only renames
  // are left; raises the runtime's error on failure.
  void Complete();
  // Checks the final name again: raises the runtime's error, naming it, when it can no longer be
  // replaced, leads elsewhere than it did, or is now taken where it was free.
  void CheckAgain();
  // What the commit's record says of this file, with the hidden names it will use.
  RecordedResult Plan() const;
  // Gives the new file its staged name; raises the runtime's file error.
  void Stage();
  // The staged file takes the final name, and the file it replaces its kept name (or, where the
  // two names are exchanged, the staged one). Raises the runtime's file error when a rename
  // fails, with the names as the system left them.
  void PutInPlace();
  // Removes the file replaced, once the pair is in place; false when it could not be removed.
  bool DropEarlier();
  // Flushes the names of the final name's folder to disk; false on failure. Only where
  // Capabilities() has kFlushesFolders.
  bool SyncFolder();

 private:
  // The platform's own: the final name as checked, the temporary and the steps taken.
  struct Held;
  explicit ReplacementFile(std::unique_ptr<Held> held);

  std::unique_ptr<Held> held_;
};

}  // namespace ferolan
