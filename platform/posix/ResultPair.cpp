#include "platform/runtime/ResultPair.h"

#include <stdexcept>
#include <utility>

#include "platform/posix/HeldSignals.h"

namespace ferolan {

ResultPair::ResultPair(const std::string& frenchPath, const std::string& mathsPath,
                       std::chrono::milliseconds lockWait)
    : lock_(frenchPath, lockWait),
      french_(ReplacementFile::Open(frenchPath)),
      maths_(ReplacementFile::Open(mathsPath)) {
  maths_.CheckDistinctFrom(french_);
}

void ResultPair::Commit() {
  if (std::exchange(committed_, true)) throw std::logic_error("ResultPair committed twice");
  french_.Complete();
  maths_.Complete();
  // The hidden names go to disk before the renames that name the files anew. Where the file
  // system cannot flush a folder, the renames are as safe as it allows.
  french_.SyncFolder();
  maths_.SyncFolder();
  {
    const HeldSignals held;
    french_.CheckAgain();
    maths_.CheckAgain();
    maths_.CheckDistinctFrom(french_);
    french_.PutInPlace();
    try {
      maths_.PutInPlace();
    } catch (...) {
      french_.TakeBack();
      throw;
    }
    french_.DropReplaced();
    maths_.DropReplaced();
  }
  french_.SyncFolder();
  maths_.SyncFolder();
}

}  // namespace ferolan
