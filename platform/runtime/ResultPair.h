// The two result files of a conversion, written under temporary names beside their final names
// and put in place together: whoever reads the folder finds either both earlier results (or
// none) or both new ones, never one new result beside an old or a foreign one.
//
// Calling sequence:
//   ResultPair results(frenchPath, mathsPath);  // locks the pair, checks both names, makes
//                                               // both temporary files
//   results.French().Write(...);                // any writes, to either file
//   results.Commit();                           // once; the pair is done with afterwards
// Leaving the scope without Commit (an error was raised) removes both temporary files and
// leaves the earlier results as they were. Writing after Commit is a programming error.
//
// What a kill leaves, step by step (besides the pair's hidden lock file, which the next
// conversion writing the same results takes over and removes):
//   - until Commit, and inside it until its first rename: the earlier results. Where the file
//     system has unnamed files, nothing else; elsewhere (FAT) hidden ".NAME.~ferolan-*" files,
//     which the next conversion writing NAME removes.
//   - between the two renames, which follow each other at once with every signal that can be
//     held held back: only SIGKILL or a power cut can stop the program there. The French
//     result is then new and the maths one old, with the earlier French result kept under a
//     hidden name.
//   - after the second rename: both new results.
//
// Durability: the data of both files is flushed to disk, then their hidden names, before the
// renames; the folder is flushed again after them, and a failure of that last flush is not a
// failure of the conversion, as both results are in place.
//
// How the pair is put in place: each new file takes its final name by exchanging names with the
// file it replaces (renameat2 with RENAME_EXCHANGE), or by a rename that never replaces
// (RENAME_NOREPLACE) where there was none, so that a failure of the second step can undo the
// first. On file systems that cannot exchange (exFAT, network shares, FUSE), the file replaced
// first moves to a hidden name, then the new one takes its place: the same undo, with a moment
// between the two renames where the final name is free.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/runtime/OutputFile.h"

namespace ferolan {

class ResultPair {
 public:
  // How long a conversion waits for another one writing the same results.
  static constexpr std::chrono::milliseconds kLockWait{10'000};

  // Takes the lock of the pair, then checks and prepares both files (as the platform's
  // replacement files do). Raises the runtime's error, naming the file concerned, before
  // anything is written: when another conversion holds the pair longer than `lockWait`, when
  // either file cannot be replaced, or when both names lead to the same file.
  ResultPair(const std::string& frenchPath, const std::string& mathsPath,
             std::chrono::milliseconds lockWait = kLockWait);
  ResultPair(const ResultPair&) = delete;
  ResultPair& operator=(const ResultPair&) = delete;
  ~ResultPair();

  OutputFile& French();
  OutputFile& Maths();

  // Completes both files, checks both names again, and puts both in place together (see
  // above). Raises the runtime's error, naming the file concerned, with the earlier results
  // in place, when any of that fails. A second call is a programming error (std::logic_error).
  void Commit();

 private:
  // What the platform holds for the pair: its lock and its two files.
  struct Held;

  std::unique_ptr<Held> held_;
  bool committed_ = false;
};

}  // namespace ferolan
