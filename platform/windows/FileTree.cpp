#include "platform/windows/FileTree.h"

#include <utility>

#include "platform/windows/FullPath.h"

namespace ferolan {

namespace {

bool IsLink(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
bool IsFolder(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// A link or a file: removing it never reaches what a link points to. A folder link (a junction,
// or a symbolic link to a folder) is removed as a folder, which removes the link alone.
void RemoveLeaf(const std::wstring& path, DWORD attributes) {
  const auto remove = [&] {
    return IsFolder(attributes) ? ::RemoveDirectoryW(path.c_str()) : ::DeleteFileW(path.c_str());
  };
  if (remove() == 0 && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
      ::SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY) != 0) {
    remove();
  }
}

}  // namespace

std::wstring LongPath(const std::wstring& path) {
  if (path.starts_with(L"\\\\?\\")) return path;
  // The long form takes the path as it is: separators, "." and ".." are resolved first.
  const std::wstring full = FullPath(path);
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

std::vector<FolderEntry> EntriesStartingWith(const std::wstring& folder, std::wstring_view prefix) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW found;
  const HANDLE search = ::FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring_view name = found.cFileName;
    if (name != L"." && name != L".." && name.starts_with(prefix)) {
      entries.push_back({std::wstring(name), found.dwFileAttributes});
    }
  } while (::FindNextFileW(search, &found) != 0);
  ::FindClose(search);
  return entries;
}

void RemoveTree(const std::wstring& path) {
  // Folders still to empty, and those emptied that remain to be removed, deepest last.
  std::vector<std::pair<std::wstring, bool>> folders = {{LongPath(path), false}};
  while (!folders.empty()) {
    auto& [folder, emptied] = folders.back();
    if (emptied) {
      ::RemoveDirectoryW(folder.c_str());
      folders.pop_back();
      continue;
    }
    emptied = true;
    const std::wstring parent = folder;
    for (const FolderEntry& entry : EntriesStartingWith(parent, L"")) {
      const std::wstring inside = parent + L"\\" + entry.name;
      if (IsFolder(entry.attributes) && !IsLink(entry.attributes)) {
        folders.push_back({inside, false});
      } else {
        RemoveLeaf(inside, entry.attributes);
      }
    }
  }
}

void RemoveEntry(const std::wstring& path, DWORD attributes) {
  if (IsFolder(attributes) && !IsLink(attributes)) {
    RemoveTree(path);
  } else {
    RemoveLeaf(LongPath(path), attributes);
  }
}

}  // namespace ferolan
