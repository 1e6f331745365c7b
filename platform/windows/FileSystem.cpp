#include "platform/runtime/FileSystem.h"

#include <windows.h>

#include "platform/runtime/RuntimeError.h"
#include "platform/windows/FullPath.h"
#include "platform/windows/PathShape.h"
#include "platform/windows/SharedFiles.h"
#include "platform/windows/UniqueHandle.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

namespace {

// Where the last part of `path` starts: after its last separator, never inside its root.
std::size_t LeafStart(const std::string& path) {
  const std::size_t root = RootLength(path);
  std::size_t start = path.size();
  while (start > root && !IsSeparator(path[start - 1])) --start;
  return start;
}

// Whether `path` reaches a device: named in the device namespace ("\\.\COM1", "\\?\pipe\x"),
// or by a name that Windows keeps for one in every folder ("NUL", "C:\x\con"), which it makes a
// device path of. Only drives and shares are reached through "\\?\".
bool NamesDevice(const std::wstring& path) {
  const std::wstring full = FullPath(path);
  if (full.starts_with(L"\\\\.\\")) return true;
  if (!full.starts_with(L"\\\\?\\")) return false;
  const std::wstring_view rest = std::wstring_view(full).substr(4);
  const bool drive = rest.size() >= 3 && rest[1] == L':' && (rest[2] == L'\\' || rest[2] == L'/');
  return !drive && !rest.starts_with(L"UNC\\");
}

// The attributes of the file on a disk that `path` names, neither a folder nor a device;
// nothing (INVALID_FILE_ATTRIBUTES) for anything else.
DWORD DiskFileAttributes(const std::wstring& path) {
  if (path.empty() || NamesDevice(path)) return INVALID_FILE_ATTRIBUTES;
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
    return INVALID_FILE_ATTRIBUTES;
  }
  return attributes;
}

}  // namespace

// A folder is refused before Windows is asked, as POSIX refuses it: Windows would say "access
// denied" of it.
void Kill(const std::string& path) {
  const std::wstring wide = WidePath(path);
  if (IsFolder(wide)) RaiseForFile(kErrFileNotFound, path);
  if (!::DeleteFileW(wide.c_str())) {
    RaiseFileError(static_cast<int>(::GetLastError()), FileAccess::kRead, path);
  }
}

std::string FolderOf(const std::string& path) {
  const std::size_t root = RootLength(path);
  const std::size_t leaf = LeafStart(path);
  if (leaf == 0) return ".";
  return leaf <= root ? path.substr(0, root) : path.substr(0, leaf - 1);
}

std::string LeafOf(const std::string& path) { return path.substr(LeafStart(path)); }

bool FolderOfExists(const std::string& path) {
  return LeafStart(path) == 0 || IsFolder(WidePath(FolderOf(path)));
}

// Hidden is the attribute, and a leading dot as on POSIX, as the same exports travel between
// the two.
std::string Dir(const std::string& path) {
  const DWORD attributes = DiskFileAttributes(WidePath(path));
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_HIDDEN) != 0) {
    return {};
  }
  std::string name = LeafOf(path);
  return name.starts_with('.') ? std::string() : name;
}

// A device is refused before it is opened, as opening one may act on it (a serial port, a
// pipe's server); the open itself does not wait for a file kept offline, and what it opened
// must be a file on a disk still, in case the name changed in between.
bool IsOpenableRegularFile(const std::string& path) {
  const std::wstring wide = WidePath(path);
  if (DiskFileAttributes(wide) == INVALID_FILE_ATTRIBUTES) return false;
  const UniqueHandle probe(::CreateFileW(wide.c_str(), GENERIC_READ, kShareAll, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_OPEN_NO_RECALL, nullptr));
  return probe.Valid() && ::GetFileType(probe.Get()) == FILE_TYPE_DISK;
}

}  // namespace ferolan
