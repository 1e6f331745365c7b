// What a file of the result pair is in a commit, on every platform: what it holds once
// complete, the hidden names it takes on its way to its final name, and whether it has taken
// the first; what the commit's record says of it.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/runtime/CommitRecord.h"
#include "platform/runtime/ResultNames.h"

namespace ferolan {

struct CommitNames {
  FileContent content;
  std::string staged;
  std::string kept;
  bool isStaged = false;

  // Once the file is complete: fresh hidden names for `leaf`.
  void Choose(const std::string& leaf, const FileContent& completed) {
    content = completed;
    staged = StagedName(leaf);
    kept = KeptName(leaf);
  }

  // A step that needs the names, taken before the file was complete, is a programming error.
  void RequireChosen() const {
    if (staged.empty()) throw std::logic_error("ReplacementFile used before it was complete");
  }

  RecordedResult Record(const std::string& shownPath, const std::string& folder,
                        const std::string& leaf, bool hadEarlier) const {
    RequireChosen();
    return {shownPath, folder, leaf, staged, kept, hadEarlier, content};
  }
};

}  // namespace ferolan
