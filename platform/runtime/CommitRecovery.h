// Mends a commit of the result pair that a kill, a power cut or a failing disk cut short, from
// its record (CommitRecord.h): it completes the commit where both new results had taken their
// names, and undoes it otherwise, so that the folder holds both earlier results or both new
// ones. Run with the pair's lock held, before anything else touches the pair's names.
#pragma once

#include <string>
#include <vector>

#include "platform/runtime/CommitRecord.h"
#include "platform/runtime/ResultFolder.h"

namespace ferolan {

struct Recovery {
  // Both new results had their final names: the commit was completed.
  bool completed = false;
  // A hidden name that could not be removed once the results were in place (another program
  // holds the file open), with the system's error: the record is then left, for the next
  // conversion to remove it.
  std::string leftOver;
  int leftOverError = 0;
  // The texts that say what changed for the user, one a result; empty when the commit was
  // completed, which changes no result the user sees.
  std::vector<std::string> changes;
};

// Completes or undoes the commit that `record` describes, then removes the record, named
// `recordName` in `recordFolder`. Every step is checked: when one fails, or finds under a name
// something the commit did not put there, it raises the runtime's error, naming the result,
// where its earlier file is kept and what to do, and leaves the record for the next
// conversion; one that only fails to remove a hidden name is said in leftOver. Files are told apart
// by what they hold: on FAT their numbers change at each mount.
Recovery RecoverCommit(const CommitRecord& record, ResultFolder& recordFolder,
                       const std::string& recordName);

}  // namespace ferolan
