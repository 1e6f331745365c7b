#include "platform/runtime/ResultPair.h"

#include <stdexcept>
#include <utility>

// The parts of the pair as the system has them, from its own folder (platform/posix or
// platform/windows): the same classes, made each system's way.
#include "HeldSignals.h"
#include "NameLock.h"
#include "ReplacementFile.h"

namespace ferolan {

struct ResultPair::Held {
  Held(const std::string& frenchPath, const std::string& mathsPath,
       std::chrono::milliseconds lockWait)
      : lock(frenchPath, lockWait),
        french(ReplacementFile::Open(frenchPath)),
        maths(ReplacementFile::Open(mathsPath)) {}

  // Taken before the checks, let go after the temporary files are gone: declared first.
  NameLock lock;
  ReplacementFile french;
  ReplacementFile maths;
};

ResultPair::ResultPair(const std::string& frenchPath, const std::string& mathsPath,
                       std::chrono::milliseconds lockWait)
    : held_(std::make_unique<Held>(frenchPath, mathsPath, lockWait)) {
  held_->maths.CheckDistinctFrom(held_->french);
}

ResultPair::~ResultPair() = default;

OutputFile& ResultPair::French() { return held_->french.File(); }
OutputFile& ResultPair::Maths() { return held_->maths.File(); }

void ResultPair::Commit() {
  if (std::exchange(committed_, true)) throw std::logic_error("ResultPair committed twice");
  ReplacementFile& french = held_->french;
  ReplacementFile& maths = held_->maths;
  french.Complete();
  maths.Complete();
  // The hidden names go to disk before the renames that name the files anew. Where the file
  // system cannot flush a folder, the renames are as safe as it allows.
  french.SyncFolder();
  maths.SyncFolder();
  {
    const HeldSignals held;
    french.CheckAgain();
    maths.CheckAgain();
    maths.CheckDistinctFrom(french);
    french.PutInPlace();
    try {
      maths.PutInPlace();
    } catch (...) {
      french.TakeBack();
      throw;
    }
    french.DropReplaced();
    maths.DropReplaced();
  }
  french.SyncFolder();
  maths.SyncFolder();
}

}  // namespace ferolan
