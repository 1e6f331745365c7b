// Looking into a folder and removing a folder with everything in it, without ever following a
// junction or a symbolic link: one met inside is removed itself, never what it points to.
// Paths are the system's own (UTF-16), so that any name a folder holds can be removed.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace ferolan {

struct FolderEntry {
  std::wstring name;
  DWORD attributes;
};

// The entries of `folder` whose names start with `prefix`, without "." and ".."; none when
// it cannot be read.
std::vector<FolderEntry> EntriesStartingWith(const std::wstring& folder, std::wstring_view prefix);

// Removes the folder `path` with all it holds, working from handles: each folder is held open
// while it is emptied, and what is in it is opened through that handle, never by a path that a
// folder swapped for a junction meanwhile could lead elsewhere. Best effort: what cannot be
// removed stays, and nothing is reported. A tree of any depth takes the same stack.
void RemoveTree(const std::wstring& path);

}  // namespace ferolan
