// The record of a commit of the result pair: what the commit is about to do to each result,
// written and flushed beside the pair's lock before its first rename, and removed only once both
// new results or both earlier ones are in place. Whoever takes the lock next and finds it knows
// which hidden name holds which file, and completes or undoes the commit (CommitRecovery.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/runtime/FileContent.h"

namespace ferolan {

struct RecordedResult {
  std::string shownPath;  // the name the user gave, for messages
  std::string folder;     // the folder of the file replaced, links resolved
  std::string leaf;       // the final name in that folder
  std::string staged;     // the new file's hidden name, until it takes the final one
  std::string kept;       // the hidden name the earlier result takes while the new one replaces it
  bool hadEarlier = false;
  FileContent newContent;

  bool operator==(const RecordedResult&) const = default;
};

struct CommitRecord {
  RecordedResult french;
  RecordedResult maths;

  bool operator==(const CommitRecord&) const = default;

  std::string Text() const;
  // None when `text` is not a whole record whose hidden names are those of its results: a
  // record cut short was being written before any rename, and describes nothing done.
  static std::optional<CommitRecord> Read(std::string_view text);
};

}  // namespace ferolan
