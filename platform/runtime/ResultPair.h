// The two result files of a conversion, written under temporary names beside their final names
// and put in place together: whoever reads the folder finds either both earlier results (or
// none) or both new ones, never one new result beside an old or a foreign one; and no failure
// or kill loses the only copy of an earlier result. The same contract on every platform; what
// each file system can guarantee is a capability of its files (ReplacementFile.h), read here.
//
// Calling sequence:
//   ResultPair::Recover(frenchPath);            // optional, as soon as the names are known
//   ResultPair results(frenchPath, mathsPath);  // locks the pair, mends an interrupted commit,
//                                               // checks both names, makes both temporaries
//   results.French().Write(...);                // any writes, to either file
//   results.Commit();                           // once; the pair is done with afterwards
// Leaving the scope without Commit (an error was raised) removes both temporary files and
// leaves the earlier results as they were. Writing after Commit is a programming error.
//
// How a commit goes: both files are flushed to disk; the pair's record (CommitRecord.h) says
// which hidden name will keep which earlier result and which new file goes where, and is
// flushed with its folder; each new file takes its staged name, then its final name; the
// earlier results go, the folders are flushed, and the record goes last. With every signal that
// can be held held back from the record to its removal (HeldSignals.h), only SIGKILL, a power
// cut or a failing disk can stop it half-way. Then, and when a rename fails:
//   - a rename that fails is followed at once by the undo that the record describes, which puts
//     both earlier results back and raises the failure; when the undo fails too (the USB stick
//     was pulled out), it raises an error that names where the earlier result is kept and what
//     to do, and the record stays;
//   - the next conversion of the same names (ResultPair::Recover, or the constructor) that
//     finds a record with no live holder of the lock completes that commit, when both new files
//     had their final names, or undoes it, and says in French what it changed.
// What a kill leaves until then, by capability of the files:
//   - kUnnamedTemporaries: before the record, nothing; without it (FAT, Windows), temporaries
//     ".NAME.~ferolan-tmp-*", which the next conversion writing NAME removes.
//   - kFinalNameAlwaysTaken: each final name holds the earlier or the new result at every
//     moment; without it (FAT, exFAT, network shares), a final name may be free, its earlier
//     result under its kept name ".NAME.~ferolan-kept-*" until the next conversion.
//   - kFlushesFolders: the record and each rename reach the disk in order; without it (Windows),
//     each rename is written through as it is made.
// After the record's removal: both new results, and the pair's lock file on POSIX, which the
// next conversion writing the same results takes over and removes.
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

  // Takes the lock of the pair and mends a commit of the pair that was interrupted (see above),
  // telling the user in a message box when it changed a result. Raises the runtime's error,
  // naming the file concerned, when another conversion holds the pair longer than kLockWait or
  // the commit cannot be mended.
  static void Recover(const std::string& frenchPath);

  // Takes the lock and mends an interrupted commit as Recover does, then checks and prepares
  // both files (as the platform's replacement files do). Raises the runtime's error, naming the
  // file concerned, before anything is written: when another conversion holds the pair longer
  // than `lockWait`, when either file cannot be replaced, or when both names lead to the same
  // file.
  ResultPair(const std::string& frenchPath, const std::string& mathsPath,
             std::chrono::milliseconds lockWait = kLockWait);
  ResultPair(const ResultPair&) = delete;
  ResultPair& operator=(const ResultPair&) = delete;
  ~ResultPair();

  OutputFile& French();
  OutputFile& Maths();

  // Completes both files, checks both names again, and puts both in place together (see
  // above). Raises the runtime's error, naming the file concerned, with the earlier results in
  // place or said where they are kept, when any of that fails. A second call is a programming
  // error (std::logic_error).
  void Commit();

 private:
  // The pair's lock, the folder of its record and its two files.
  struct Held;

  std::unique_ptr<Held> held_;
  bool committed_ = false;
};

}  // namespace ferolan
