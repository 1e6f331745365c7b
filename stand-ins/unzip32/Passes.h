// The two kinds of work a call does on the selected entries of an open archive.
#pragma once

#include "stand-ins/common/Report.h"
#include "stand-ins/unzip32/Archive.h"
#include "stand-ins/unzip32/Selection.h"
#include "stand-ins/unzip32/TargetTree.h"
#include "zip/interface/unzip32.h"

namespace unzip32 {

using standin::Report;

// Reports each selected entry through the entry callback.
void ListEntries(const Archive& archive, Selection& selection, const UnzipCallbacks& callbacks,
                 Report& report);

// Extracts each selected entry below the target.
void ExtractEntries(const Archive& archive, Selection& selection, const UnzipOptions& options,
                    const UnzipCallbacks& callbacks, TargetTree& target, Report& report);

// Calls `visit` for each selected entry, in the archive's order, until it returns false.
template <class Visit>
void ForEachSelected(const Archive& archive, Selection& selection, Report& report, Visit visit) {
  const zip_int64_t count = archive.Count();
  for (zip_int64_t index = 0; index < count; ++index) {
    EntryInfo info;
    std::string cause;
    if (!archive.Info(static_cast<zip_uint64_t>(index), info, cause)) {
      report.Problem(UNZIP32_ERR_ARCHIVE, "entrée " + std::to_string(index + 1), cause);
    } else if (selection.Selects(info.name) && !visit(static_cast<zip_uint64_t>(index), info)) {
      return;
    }
  }
}

}  // namespace unzip32
