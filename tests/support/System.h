// What the test support asks of the system, per platform.
#pragma once

#include <optional>
#include <string>

namespace ferolan::testing {

// Makes a new folder of an unpredictable name in the system's temporary folder.
std::string MakeFreshFolder();

// The environment variable that names the folder where the work root is made.
extern const char* const kWorkRootVariable;

// Whether file names may hold any byte but "/" (POSIX), rather than being text in which "\\" and
// ":" mean something (Windows).
extern const bool kNamesAreBytes;

// Whether the system's folders take two names that differ only in letter case for one.
extern const bool kFoldersIgnoreCase;

// How many files the process holds open: its file descriptors, or on Windows its handles to
// files on disk.
int OpenFileCount();

// Sets the environment variable, or removes it when `value` is nothing.
void SetVariable(const std::string& name, const std::optional<std::string>& value);

// Runs this test program again, with `filter` as its gtest filter, `variable` set to `value`
// and its temporary files in `temporaryFolder` (a program that is killed removes none), and
// waits for it. Its exit status; for a program a signal ended, 128 + the signal.
int RunThisProgram(const std::string& filter, const std::string& variable, const std::string& value,
                   const std::string& temporaryFolder);

}  // namespace ferolan::testing
