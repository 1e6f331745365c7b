#include "platform/runtime/ResultPair.h"

#include <optional>
#include <stdexcept>
#include <utility>

#include "platform/runtime/CommitRecovery.h"
#include "platform/runtime/FileSystem.h"
#include "platform/runtime/HeldSignals.h"
#include "platform/runtime/NameLock.h"
#include "platform/runtime/PlatformTexts.h"
#include "platform/runtime/ReplacementFile.h"
#include "platform/runtime/ResultFolder.h"
#include "platform/runtime/ResultNames.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/UserServices.h"

namespace ferolan {

namespace {

// A record is a few lines of names; anything longer under its name is not one of ours.
constexpr std::size_t kMostRecordBytes = 64 * 1024;

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : ", ") + text;
  return joined;
}

// Opens the folder of the pair's record, beside its lock, and mends the commit that a record
// found there describes; run with the lock held.
ResultFolder RecoveredRecordFolder(const std::string& frenchPath) {
  ResultFolder folder(FolderOf(frenchPath), frenchPath);
  const std::string name = RecordName(LeafOf(frenchPath));
  std::string text;
  const std::optional<ResultFolder::Holds> holds =
      folder.Look(name, nullptr, &text, kMostRecordBytes);
  if (!holds) RaiseFileError(folder.LastError(), FileAccess::kWrite, folder.PathOf(name));
  if (*holds == ResultFolder::Holds::kNothing) return folder;
  if (*holds == ResultFolder::Holds::kSomethingElse) {
    RaiseForFile(kErrPathFileAccess, folder.PathOf(name), texts::kRecordNotOurs);
  }
  if (const std::optional<CommitRecord> record = CommitRecord::Read(text)) {
    const Recovery recovery = RecoverCommit(*record, folder, name);
    if (!recovery.changes.empty()) {
      MsgBox(texts::InterruptedCommitUndone(Joined(recovery.changes)), vbInformation);
    }
    if (!recovery.leftOver.empty()) {
      const long number =
          FileErrorNumber(recovery.leftOverError, FileAccess::kWrite, recovery.leftOver);
      RaiseForFile(number, recovery.leftOver, texts::HiddenFileLeft(DescriptionOf(number)));
    }
  } else if (!folder.Remove(name)) {
    // Cut short while it was written, before any rename: it describes nothing done.
    RaiseFileError(folder.LastError(), FileAccess::kWrite, folder.PathOf(name));
  }
  return folder;
}

// Flushes the names of the file's folder where its file system can; false when that failed.
bool Flushed(ReplacementFile& file) {
  return (file.Capabilities() & ReplacementFile::kFlushesFolders) == 0 || file.SyncFolder();
}

}  // namespace

struct ResultPair::Held {
  Held(const std::string& frenchPath, const std::string& mathsPath,
       std::chrono::milliseconds lockWait)
      : lock(frenchPath, lockWait),
        records(RecoveredRecordFolder(frenchPath)),
        recordName(RecordName(LeafOf(frenchPath))),
        french(ReplacementFile::Open(frenchPath)),
        maths(ReplacementFile::Open(mathsPath)) {}

  // The record and its flush, or the runtime's error with no record left.
  void WriteRecord(const CommitRecord& record) {
    if (records.WriteNew(recordName, record.Text()) && records.Sync()) return;
    const int error = records.LastError();
    records.Remove(recordName);
    RaiseFileError(error, FileAccess::kWrite, records.PathOf(recordName));
  }

  // Taken before the checks, let go after the temporary files are gone: declared first.
  NameLock lock;
  ResultFolder records;
  std::string recordName;
  ReplacementFile french;
  ReplacementFile maths;
};

void ResultPair::Recover(const std::string& frenchPath) {
  const NameLock lock(frenchPath, kLockWait);
  RecoveredRecordFolder(frenchPath);
}

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
  Held& held = *held_;
  ReplacementFile& french = held.french;
  ReplacementFile& maths = held.maths;
  french.Complete();
  maths.Complete();
  const HeldSignals signals;
  french.CheckAgain();
  maths.CheckAgain();
  maths.CheckDistinctFrom(french);
  const CommitRecord record{french.Plan(), maths.Plan()};
  held.WriteRecord(record);
  try {
    french.Stage();
    maths.Stage();
    french.PutInPlace();
    maths.PutInPlace();
  } catch (...) {
    // The record tells what was done: undone now, or by the next conversion when this fails
    // too. A failure reported after both renames were made leaves the commit complete.
    if (!RecoverCommit(record, held.records, held.recordName).completed) throw;
    return;
  }
  // Once the renames are on disk the record can go. An earlier result that stays, or a flush
  // that fails, leaves it for the next conversion to complete: both new results are in place.
  const bool dropped = french.DropEarlier() & maths.DropEarlier();
  if (dropped && Flushed(french) && Flushed(maths) && held.records.Sync()) {
    held.records.Remove(held.recordName);
  }
}

}  // namespace ferolan
