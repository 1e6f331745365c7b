#include "platform/windows/NamedFiles.h"

#include <cstddef>

#include "platform/windows/FullPath.h"

namespace ferolan {

namespace {

constexpr DWORD kAnySharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The path the system resolves the open file to, links and short names undone; empty when it
// cannot tell.
std::wstring FinalPath(HANDLE handle) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()),
                                    FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return {};
    const bool fits = length < path.size();
    path.resize(length);
    if (fits) return path;
  }
}

bool SameText(const std::wstring& one, const std::wstring& other) {
  return ::CompareStringOrdinal(one.c_str(), static_cast<int>(one.size()), other.c_str(),
                                static_cast<int>(other.size()), TRUE) == CSTR_EQUAL;
}

[[nodiscard]] BOOL Fail(DWORD error) {
  ::SetLastError(error);
  return FALSE;
}

}  // namespace

// The entry's resolved path must be its folder's, links on the way to the folder included, and
// the name given: a link under that name resolves elsewhere.
bool IsEntryOf(HANDLE entry, HANDLE folder, const std::wstring& name) {
  const std::wstring opened = FinalPath(entry);
  std::wstring expected = FinalPath(folder);
  if (opened.empty() || expected.empty()) return false;
  if (expected.back() != L'\\') expected += L'\\';
  return SameText(opened, expected + name);
}

bool IsNamed(HANDLE handle, const std::wstring& path) {
  const std::wstring full = FullPath(path);
  const std::size_t separator = full.find_last_of(L"\\/");
  if (separator == std::wstring::npos) return false;
  const std::wstring folderPath = full.substr(0, separator == 2 ? 3 : separator);  // "C:\"
  const UniqueHandle folder(::CreateFileW(folderPath.c_str(), FILE_READ_ATTRIBUTES, kAnySharing,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                          nullptr));
  return folder.Valid() && IsEntryOf(handle, folder.Get(), full.substr(separator + 1));
}

UniqueHandle OpenNamed(const std::wstring& path, DWORD access, DWORD sharing, DWORD disposition,
                       DWORD attributes) {
  UniqueHandle file(::CreateFileW(
      path.c_str(), access, sharing, nullptr, disposition,
      attributes | FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (file.Valid() && !IsNamed(file.Get(), path)) {
    file.Close();
    ::SetLastError(kNotTheNamedFile);
  }
  return file;
}

UniqueHandle OpenLockFile(const std::wstring& path, DWORD disposition) {
  UniqueHandle lock = OpenNamed(path, GENERIC_READ | DELETE, 0, disposition, FILE_ATTRIBUTE_HIDDEN);
  if (!lock.Valid()) return lock;
  BY_HANDLE_FILE_INFORMATION info;
  FILE_DISPOSITION_INFO remove{TRUE};
  if (::GetFileInformationByHandle(lock.Get(), &info) == 0 ||
      (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
    lock.Close();
    ::SetLastError(kNotTheNamedFile);
    return lock;
  }
  if (::SetFileInformationByHandle(lock.Get(), FileDispositionInfo, &remove, sizeof remove) == 0) {
    const DWORD error = ::GetLastError();
    lock.Close();
    ::SetLastError(error);
  }
  return lock;
}

// Checked first, then renamed by name: a rename changes the name it is given, never what a
// link there points to.
BOOL WINAPI MoveNamedFile(LPCWSTR from, LPCWSTR to, DWORD flags) {
  if (!OpenNamed(from, FILE_READ_ATTRIBUTES).Valid()) return FALSE;
  return ::MoveFileExW(from, to, flags);
}

BOOL WINAPI LinkNamedFile(LPCWSTR name, LPCWSTR existing, LPSECURITY_ATTRIBUTES security) {
  if (!OpenNamed(existing, FILE_READ_ATTRIBUTES).Valid()) return FALSE;
  return ::CreateHardLinkW(name, existing, security);
}

BOOL WINAPI DeleteNamedFile(LPCWSTR name) {
  const UniqueHandle file = OpenNamed(name, DELETE);
  if (!file.Valid()) return FALSE;
  BY_HANDLE_FILE_INFORMATION info;
  if (::GetFileInformationByHandle(file.Get(), &info) == 0) return FALSE;
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Fail(ERROR_ACCESS_DENIED);
  FILE_DISPOSITION_INFO remove{TRUE};
  return ::SetFileInformationByHandle(file.Get(), FileDispositionInfo, &remove, sizeof remove);
}

}  // namespace ferolan
