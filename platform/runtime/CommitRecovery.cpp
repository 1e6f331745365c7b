#include "platform/runtime/CommitRecovery.h"

#include "platform/runtime/FileSystem.h"
#include "platform/runtime/PlatformTexts.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

using Holds = ResultFolder::Holds;

// One result of the record, and what its names hold now.
class RecordedFile {
 public:
  explicit RecordedFile(const RecordedResult& result)
      : result_(result), folder_(OpenFolder(result)) {
    final_ = Look(result.leaf);
    staged_ = Look(result.staged);
    kept_ = Look(result.kept);
  }

  bool NewInPlace() const { return IsNew(final_); }

  // The final name back as it was before the commit; `recovery` gets what the user sees change.
  void Undo(Recovery& recovery) {
    std::vector<std::string>& changes = recovery.changes;
    if (result_.hadEarlier) {
      PutEarlierBack(changes);
    } else if (IsNew(final_)) {
      if (!folder_.Remove(result_.leaf)) {
        RaiseFileError(folder_.LastError(), FileAccess::kWrite, result_.shownPath);
      }
      changes.push_back(texts::TakenAway(LeafOf(result_.shownPath)));
    }
    RemoveHiddenNames(recovery);
  }

  // What the commit's hidden names still hold goes: the new file, or an earlier result that
  // the new one has replaced, or a second name of the one in place.
  void RemoveHiddenNames(Recovery& recovery) {
    for (const auto& [name, found] : {std::pair{result_.staged, staged_}, {result_.kept, kept_}}) {
      if (found.holds == Holds::kOurFile && !folder_.Remove(name) && recovery.leftOver.empty()) {
        recovery.leftOver = folder_.PathOf(name);
        recovery.leftOverError = folder_.LastError();
      }
    }
  }

 private:
  struct Found {
    Holds holds = Holds::kNothing;
    FileContent content;
  };

  // A folder that cannot be opened (a USB stick not put back) keeps the earlier result too.
  static ResultFolder OpenFolder(const RecordedResult& result) {
    try {
      return ResultFolder(result.folder, result.shownPath);
    } catch (const RuntimeError& error) {
      RaiseForFile(error.Number(), result.shownPath, texts::kCommitNotMended);
    }
  }

  Found Look(const std::string& name) {
    Found found;
    const std::optional<Holds> holds = folder_.Look(name, &found.content);
    if (!holds) {
      RaiseForFile(FileErrorNumber(folder_.LastError(), FileAccess::kWrite, result_.shownPath),
                   result_.shownPath, texts::kCommitNotMended);
    }
    found.holds = *holds;
    return found;
  }

  bool IsNew(const Found& found) const {
    return found.holds == Holds::kOurFile && found.content == result_.newContent;
  }

  // The hidden name that holds the earlier result: the one that holds other bytes than the new
  // file, else the kept name (the earlier bytes were the new ones); empty when neither holds it.
  std::string EarlierName() const {
    const bool keptOurs = kept_.holds == Holds::kOurFile;
    if (keptOurs && !IsNew(kept_)) return result_.kept;
    if (staged_.holds == Holds::kOurFile && !IsNew(staged_)) return result_.staged;
    return keptOurs ? result_.kept : std::string();
  }

  void PutEarlierBack(std::vector<std::string>& changes) {
    const std::string earlier = EarlierName();
    if (earlier.empty()) return;  // under its own name, or removed by someone else
    if (final_.holds == Holds::kSomethingElse) {
      Fail(earlier, kErrPathFileAccess, texts::kOtherFileUnderTheName);
    }
    // The final name holds the earlier result already unless it is free or holds the new file
    // (and the earlier one is elsewhere, with other bytes).
    const bool inPlace = final_.holds == Holds::kOurFile &&
                         (!IsNew(final_) || (earlier == result_.kept && IsNew(kept_)));
    if (inPlace) return;
    if (!folder_.Rename(earlier, result_.leaf)) Fail(folder_.LastError(), earlier);
    (earlier == result_.kept ? kept_ : staged_).holds = Holds::kNothing;
    changes.push_back(texts::PutBack(LeafOf(result_.shownPath)));
  }

  [[noreturn]] void Fail(int error, const std::string& earlier) const {
    Fail(earlier, FileErrorNumber(error, FileAccess::kWrite, result_.shownPath));
  }

  // The earlier result cannot be put back from its hidden name `earlier`.
  [[noreturn]] void Fail(const std::string& earlier, long number,
                         const std::string& why = {}) const {
    RaiseForFile(number, result_.shownPath,
                 why + texts::EarlierResultKept(folder_.PathOf(earlier), result_.leaf));
  }

  const RecordedResult& result_;
  ResultFolder folder_;
  Found final_;
  Found staged_;
  Found kept_;
};

}  // namespace

Recovery RecoverCommit(const CommitRecord& record, ResultFolder& recordFolder,
                       const std::string& recordName) {
  RecordedFile french(record.french);
  RecordedFile maths(record.maths);
  Recovery recovery;
  recovery.completed = french.NewInPlace() && maths.NewInPlace();
  if (recovery.completed) {
    french.RemoveHiddenNames(recovery);
    maths.RemoveHiddenNames(recovery);
  } else {
    french.Undo(recovery);
    maths.Undo(recovery);
  }
  if (!recovery.leftOver.empty()) return recovery;
  if (!recordFolder.Remove(recordName)) {
    RaiseFileError(recordFolder.LastError(), FileAccess::kWrite, recordFolder.PathOf(recordName));
  }
  return recovery;
}

}  // namespace ferolan
