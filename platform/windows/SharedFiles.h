// What the file code on Windows shares: how a file opened for reading lets others at it, and
// telling a folder from a file.
#pragma once

#include <windows.h>

#include <string>

namespace ferolan {

// A file read is never locked against others, as on POSIX, which has no such locks: writing,
// renaming and deleting it go on while it is open.
inline constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Whether `path` names a folder (or a link to one). Leaves GetLastError() changed.
inline bool IsFolder(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace ferolan
