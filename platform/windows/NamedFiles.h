// Files reached by the names the program gave, checked through their handles to be the files of
// those names. Wine follows a Unix symbolic link behind the program's back, where no reparse
// point shows it, and a share's server may follow links of its own: a step that reached another
// file through one would act on a file the user never named (a colleague's link in a class
// folder turned a removal against the teacher's own files).
#pragma once

#include <windows.h>

#include <string>

#include "platform/windows/UniqueHandle.h"

namespace ferolan {

// The last error of a step that found another file than the one named.
inline constexpr DWORD kNotTheNamedFile = ERROR_CANT_ACCESS_FILE;

// Whether the file open as `handle` is the one that `path` names in its folder.
bool IsNamed(HANDLE handle, const std::wstring& path);
// Whether the entry open as `entry` is the one named `name` in the folder open as `folder`.
bool IsEntryOf(HANDLE entry, HANDLE folder, const std::wstring& name);

// Opens `path` itself (never what a reparse point there points to) with `access`, sharing as
// `sharing` says; invalid when it cannot be opened or is not the file named (last error
// kNotTheNamedFile).
UniqueHandle OpenNamed(const std::wstring& path, DWORD access,
                       DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       DWORD disposition = OPEN_EXISTING, DWORD attributes = 0);

// A lock file: made or opened unshared, and removed when its last handle closes, a killed
// process's included. Invalid, with the system's last error, when it cannot be; a folder or a
// file reached through a link under its name is refused (kNotTheNamedFile), never removed.
UniqueHandle OpenLockFile(const std::wstring& path, DWORD disposition);

// The system's calls, made on the files checked to be the ones named (a removal through the
// handle checked); FileCalls makes them.
BOOL WINAPI MoveNamedFile(LPCWSTR from, LPCWSTR to, DWORD flags);
BOOL WINAPI LinkNamedFile(LPCWSTR name, LPCWSTR existing, LPSECURITY_ATTRIBUTES security);
BOOL WINAPI DeleteNamedFile(LPCWSTR name);

}  // namespace ferolan
