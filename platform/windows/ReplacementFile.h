// One file of a result pair (ResultPair.h says how the pair uses it): its final name checked,
// its new contents written to a hidden temporary file beside it, and the steps by which it is
// put in place under its final name, or taken back when the other file of the pair cannot
// follow.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/runtime/OutputFile.h"
#include "platform/windows/UniqueHandle.h"

namespace ferolan {

// What a final name holds when checked.
struct Occupant {
  bool exists = false;
  DWORD attributes = 0;
  // The file's identity: its volume's serial number and its index on that volume.
  DWORD volume = 0;
  std::uint64_t index = 0;
};

class ReplacementFile {
 public:
  // Checks the final name, then makes the temporary file. Raises the runtime's file error,
  // naming `finalPath`, before anything is written, when the file under that name cannot be
  // replaced (a folder, a junction or a symbolic link, a read-only file, a file that cannot be
  // written or that another program keeps from being replaced) or no temporary file can be
  // made. Removes the temporaries of the same name that ended runs left.
  static ReplacementFile Open(const std::string& finalPath);

  ReplacementFile(ReplacementFile&& other) noexcept;
  ReplacementFile& operator=(ReplacementFile&&) = delete;
  // Whatever has not been put in place goes: the temporary file.
  ~ReplacementFile();

  OutputFile& File() { return file_; }
  // Raises the runtime's error, naming this file, when `other` would end at the same file.
  void CheckDistinctFrom(const ReplacementFile& other) const;

  // Writes what is still buffered, flushes the data to disk and closes it, so that only renames
  // are left; raises the runtime's error on failure.
  void Complete();
  // Checks the final name again: raises the runtime's error, naming it, when it can no longer be
  // replaced, holds another file than it did, or is now taken where it was free.
  void CheckAgain();
  // Puts the new file under the final name, keeping the file it replaces under a hidden name
  // until DropReplaced; raises the runtime's error, with nothing changed, when it cannot.
  // Called before Complete, it is a programming error (std::logic_error).
  void PutInPlace();
  // Undoes PutInPlace: the replaced file back under the final name. False when it could not
  // be done.
  bool TakeBack();
  // Removes the replaced file, once the pair is in place.
  void DropReplaced();
  // Every rename is written through to disk before it returns: no folder is left to flush.
  bool SyncFolder() const { return true; }

 private:
  enum class Placing {
    kNotPlaced,
    kNew,   // no file was replaced
    kKept,  // the replaced file is under `kept_`
  };

  ReplacementFile(std::string shownPath, std::wstring folder, std::wstring leaf, Occupant replaced,
                  std::wstring temporary, UniqueHandle flusher, OutputFile file);

  std::wstring FinalPath() const { return folder_ + L"\\" + leaf_; }

  std::string shownPath_;  // the name the user gave, for messages
  std::wstring folder_;
  std::wstring leaf_;
  Occupant replaced_;
  std::wstring temporary_;  // empty once the file is in place or gone
  UniqueHandle flusher_;    // the temporary, until Complete
  OutputFile file_;
  Placing placing_ = Placing::kNotPlaced;
  std::wstring kept_;
};

}  // namespace ferolan
