// The calls by which the result pair gives files their names and takes them away on Windows,
// made through one table: the tests put calls of their own in it that fail as a volume pulled
// out would, or end the program after the call, as the POSIX tests do by standing in for the C
// library's calls.
#pragma once

#include <windows.h>

#include "platform/windows/NamedFiles.h"

namespace ferolan {

// Each call is the system's, made on a file checked to be the one named (NamedFiles.h).
struct FileCalls {
  decltype(&::MoveFileExW) moveFileEx = MoveNamedFile;
  decltype(&::CreateHardLinkW) createHardLink = LinkNamedFile;
  decltype(&::DeleteFileW) deleteFile = DeleteNamedFile;
};

// The table the program calls through; the checked system calls unless a test changed them.
FileCalls& SystemFileCalls();

}  // namespace ferolan
