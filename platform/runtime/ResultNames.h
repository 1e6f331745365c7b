// The hidden names a result pair uses beside a result. Each role carries a marker of its own, so
// that a sweep, a recovery and anyone reading the folder tell them apart:
//   ".NAME.~ferolan-tmp-xxxxxxxx"   a temporary being written: disposable once nobody holds it
//   ".NAME.~ferolan-new-xxxxxxxx"   a complete new result on its way to NAME, during a commit
//   ".NAME.~ferolan-kept-xxxxxxxx"  the earlier result of NAME, kept during a commit: until the
//                                   commit ends it may be its only copy, and no sweep touches it
//   ".name.~ferolan-record"         the record of a commit under way (see CommitRecord.h)
//   ".name.~ferolan-lock"           the lock of the pair
// The last two are named after the French result with its letter case folded, so that names
// are compared at least as loosely as the folder compares them (FAT ignores case).
#pragma once

#include <string>

namespace ferolan {

// What every temporary of `leaf` starts with, and a fresh one.
std::string TemporaryPrefix(const std::string& leaf);
std::string TemporaryName(const std::string& leaf);
// A fresh name for the new file of `leaf`, and for its earlier result, during a commit.
std::string StagedName(const std::string& leaf);
std::string KeptName(const std::string& leaf);
// Whether `name` is a staged or a kept name of `leaf`, as the two above make them.
bool IsStagedNameOf(const std::string& name, const std::string& leaf);
bool IsKeptNameOf(const std::string& name, const std::string& leaf);

// The pair's lock and record, for the French result `frenchLeaf`.
std::string LockName(const std::string& frenchLeaf);
std::string RecordName(const std::string& frenchLeaf);

}  // namespace ferolan
