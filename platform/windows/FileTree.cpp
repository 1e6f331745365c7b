#include "platform/windows/FileTree.h"

#include <winternl.h>

#include <cstddef>
#include <utility>

#include "platform/windows/NamedFiles.h"
#include "platform/windows/UniqueHandle.h"

namespace ferolan {

namespace {

constexpr DWORD kFolderAccess =
    DELETE | FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES | SYNCHRONIZE;

bool IsLink(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
bool IsFolder(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// Opens `name` in the folder open as `folder`, by that handle: the entry itself, a link as a
// link. Unshared for deletion, so that nothing else can move it while it is held.
UniqueHandle OpenIn(HANDLE folder, const std::wstring& name, ACCESS_MASK access) {
  UNICODE_STRING text{static_cast<USHORT>(name.size() * sizeof(wchar_t)),
                      static_cast<USHORT>(name.size() * sizeof(wchar_t)),
                      const_cast<wchar_t*>(name.c_str())};
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &text, OBJ_CASE_INSENSITIVE, folder, nullptr);
  IO_STATUS_BLOCK status{};
  HANDLE opened = nullptr;
  const NTSTATUS result = ::NtCreateFile(
      &opened, access | SYNCHRONIZE, &attributes, &status, nullptr, 0,
      FILE_SHARE_READ | FILE_SHARE_WRITE, FILE_OPEN,
      FILE_OPEN_REPARSE_POINT | FILE_OPEN_FOR_BACKUP_INTENT | FILE_SYNCHRONOUS_IO_NONALERT, nullptr,
      0);
  return UniqueHandle(result >= 0 ? opened : INVALID_HANDLE_VALUE);
}

DWORD AttributesOf(HANDLE entry) {
  FILE_BASIC_INFO basic{};
  return ::GetFileInformationByHandleEx(entry, FileBasicInfo, &basic, sizeof basic) != 0
             ? basic.FileAttributes
             : INVALID_FILE_ATTRIBUTES;
}

// Removes the entry open as `entry` when its last handle closes; a read-only one first loses
// that attribute.
void MarkForRemoval(HANDLE entry, DWORD attributes) {
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    FILE_BASIC_INFO basic{};
    basic.FileAttributes = (attributes & ~FILE_ATTRIBUTE_READONLY) | FILE_ATTRIBUTE_NORMAL;
    ::SetFileInformationByHandle(entry, FileBasicInfo, &basic, sizeof basic);
  }
  FILE_DISPOSITION_INFO remove{TRUE};
  ::SetFileInformationByHandle(entry, FileDispositionInfo, &remove, sizeof remove);
}

// The names in the folder open as `folder`, read through the handle.
std::vector<std::wstring> NamesIn(HANDLE folder) {
  std::vector<std::wstring> names;
  alignas(8) std::byte buffer[16 * 1024];
  FILE_INFO_BY_HANDLE_CLASS kind = FileFullDirectoryRestartInfo;
  while (::GetFileInformationByHandleEx(folder, kind, buffer, sizeof buffer) != 0) {
    kind = FileFullDirectoryInfo;
    for (std::size_t offset = 0;;) {
      const auto* entry = reinterpret_cast<const FILE_FULL_DIR_INFO*>(buffer + offset);
      const std::wstring name(entry->FileName, entry->FileNameLength / sizeof(wchar_t));
      if (name != L"." && name != L"..") names.push_back(name);
      if (entry->NextEntryOffset == 0) break;
      offset += entry->NextEntryOffset;
    }
  }
  return names;
}

// One folder on the way down, held open, with the names in it not yet removed.
struct Level {
  UniqueHandle folder;
  std::vector<std::wstring> pending;
};

}  // namespace

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
  UniqueHandle top = OpenNamed(path, kFolderAccess, FILE_SHARE_READ | FILE_SHARE_WRITE);
  if (!top.Valid()) return;
  const DWORD attributes = AttributesOf(top.Get());
  if (attributes == INVALID_FILE_ATTRIBUTES || !IsFolder(attributes) || IsLink(attributes)) return;
  std::vector<Level> levels;
  levels.push_back({std::move(top), {}});
  levels.back().pending = NamesIn(levels.back().folder.Get());
  while (!levels.empty()) {
    Level& level = levels.back();
    if (level.pending.empty()) {
      // Empty now: it goes as its handle closes.
      MarkForRemoval(level.folder.Get(), 0);
      levels.pop_back();
      continue;
    }
    const std::wstring name = std::move(level.pending.back());
    level.pending.pop_back();
    UniqueHandle entry = OpenIn(level.folder.Get(), name, kFolderAccess);
    if (!entry.Valid()) entry = OpenIn(level.folder.Get(), name, DELETE | FILE_WRITE_ATTRIBUTES);
    const DWORD held = entry.Valid() ? AttributesOf(entry.Get()) : INVALID_FILE_ATTRIBUTES;
    // An entry that resolves elsewhere is a link that shows no reparse point (a Unix one, under
    // Wine): removing it through its handle would remove what it points to, so it stays.
    if (held == INVALID_FILE_ATTRIBUTES || !IsEntryOf(entry.Get(), level.folder.Get(), name)) {
      continue;
    }
    if (IsFolder(held) && !IsLink(held)) {
      std::vector<std::wstring> inside = NamesIn(entry.Get());
      levels.push_back({std::move(entry), std::move(inside)});
    } else {
      // A file, or a link of any kind, removed itself.
      MarkForRemoval(entry.Get(), held);
    }
  }
}

}  // namespace ferolan
