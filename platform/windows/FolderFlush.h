// Flushing a folder's names to disk on Windows, where the volume allows it: the folder opened
// for writing and flushed as a file is. FAT and network shares refuse, and rename as durably as
// MOVEFILE_WRITE_THROUGH makes them.
#pragma once

#include <string>

namespace ferolan {

enum class FolderFlush { kFlushed, kUnsupported, kFailed };

// Sets the thread's last error when it fails.
FolderFlush FlushFolder(const std::wstring& folder);

}  // namespace ferolan
