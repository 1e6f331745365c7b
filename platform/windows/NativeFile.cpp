#include "platform/runtime/NativeFile.h"

#include <windows.h>

#include <algorithm>

#include "platform/runtime/RuntimeError.h"
#include "platform/windows/SharedFiles.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

namespace {

HANDLE Native(NativeFile::Handle handle) { return reinterpret_cast<HANDLE>(handle); }

// ReadFile and WriteFile take a 32-bit count.
DWORD Chunk(std::size_t size) { return static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30)); }

[[noreturn]] void RaiseLastError(FileAccess access, const std::string& path) {
  RaiseFileError(static_cast<int>(::GetLastError()), access, path);
}

// Windows refuses to open a folder as a file with "access denied"; POSIX opens it and the
// program refuses it then, with the error of a file that cannot be used as one.
NativeFile Open(const std::string& path, const std::wstring& wide, DWORD access, DWORD share,
                DWORD disposition, DWORD attributes, FileAccess kind) {
  NativeFile file(reinterpret_cast<NativeFile::Handle>(
      ::CreateFileW(wide.c_str(), access, share, nullptr, disposition, attributes, nullptr)));
  if (!file.Valid()) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_ACCESS_DENIED && IsFolder(wide)) RaiseForFile(kErrPathFileAccess, path);
    RaiseFileError(static_cast<int>(error), kind, path);
  }
  return file;
}

}  // namespace

NativeFile NativeFile::OpenForReading(const std::string& path) {
  return Open(path, WidePath(path), GENERIC_READ, kShareAll, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
              FileAccess::kRead);
}

// Others may read the file being written, as on POSIX, but not change or delete it under us.
// Windows never writes a read-only file, whoever asks; Wine lets an administrator (root)
// through, so the attribute is read first, for the same refusal under both. A hidden or system
// file is emptied as any other, as a dot file is on POSIX: Windows refuses it unless it is
// asked to keep those attributes.
NativeFile NativeFile::CreateOrEmpty(const std::string& path) {
  const std::wstring wide = WidePath(path);
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
  if (const DWORD found = ::GetFileAttributesW(wide.c_str()); found != INVALID_FILE_ATTRIBUTES) {
    if ((found & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == FILE_ATTRIBUTE_READONLY) {
      RaiseForFile(kErrPermissionDenied, path);
    }
    if (const DWORD kept = found & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
      attributes = kept;
  }
  return Open(path, wide, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS, attributes,
              FileAccess::kWrite);
}

// A pipe whose writer has gone ends there, as a file does.
std::size_t NativeFile::Read(char* into, std::size_t size, const std::string& path) {
  DWORD got = 0;
  if (!::ReadFile(Native(handle_), into, Chunk(size), &got, nullptr) &&
      ::GetLastError() != ERROR_BROKEN_PIPE) {
    RaiseForFile(kErrDeviceIO, path);
  }
  return got;
}

std::size_t NativeFile::Write(const char* from, std::size_t size, const std::string& path) {
  DWORD done = 0;
  if (!::WriteFile(Native(handle_), from, Chunk(size), &done, nullptr)) {
    RaiseLastError(FileAccess::kWrite, path);
  }
  return done;
}

void NativeFile::TruncateTo(std::uint64_t offset, const std::string& path) {
  LARGE_INTEGER position{};
  position.QuadPart = static_cast<LONGLONG>(offset);
  if (!::SetFilePointerEx(Native(handle_), position, nullptr, FILE_BEGIN) ||
      !::SetEndOfFile(Native(handle_))) {
    RaiseLastError(FileAccess::kWrite, path);
  }
}

void NativeFile::Close(const std::string& path) {
  const Handle handle = std::exchange(handle_, kNone);
  if (handle != kNone && !::CloseHandle(Native(handle))) RaiseLastError(FileAccess::kWrite, path);
}

void NativeFile::Drop() noexcept {
  if (handle_ != kNone) ::CloseHandle(Native(std::exchange(handle_, kNone)));
}

}  // namespace ferolan
