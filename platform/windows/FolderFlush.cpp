#include "platform/windows/FolderFlush.h"

#include <windows.h>

#include "platform/windows/UniqueHandle.h"

namespace ferolan {

FolderFlush FlushFolder(const std::wstring& folder) {
  const UniqueHandle handle(::CreateFileW(folder.c_str(), GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                          nullptr));
  if (handle.Valid() && ::FlushFileBuffers(handle.Get()) != 0) return FolderFlush::kFlushed;
  // A volume that cannot flush a folder refuses the opening for writing or the flush itself.
  switch (::GetLastError()) {
    case ERROR_ACCESS_DENIED:
    case ERROR_INVALID_FUNCTION:
    case ERROR_INVALID_PARAMETER:
    case ERROR_NOT_SUPPORTED:
      return FolderFlush::kUnsupported;
    default:
      return FolderFlush::kFailed;
  }
}

}  // namespace ferolan
