// Looking into a folder and removing a folder with everything in it, without ever following a
// junction or a symbolic link: one met inside is removed itself, never what it points to.
// Paths are the system's own (UTF-16), so that any name a folder holds can be removed.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace ferolan {

// `path` (absolute) in the form that lifts the length limit of the system's paths.
std::wstring LongPath(const std::wstring& path);

struct FolderEntry {
  std::wstring name;
  DWORD attributes;
};

// The entries of `folder` whose names start with `prefix`, without "." and ".."; none when
// it cannot be read.
std::vector<FolderEntry> EntriesStartingWith(const std::wstring& folder, std::wstring_view prefix);

// Removes the folder `path` with all it holds. Best effort: what cannot be removed stays, and
// nothing is reported. A tree of any depth takes the same stack.
void RemoveTree(const std::wstring& path);

// Removes the entry `path` of a folder as `attributes` describe it: a junction or a link as
// itself, a folder with all it holds, a file even if read-only.
void RemoveEntry(const std::wstring& path, DWORD attributes);

}  // namespace ferolan
