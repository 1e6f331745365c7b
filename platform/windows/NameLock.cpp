#include "platform/runtime/NameLock.h"

#include <windows.h>

#include <thread>

#include "platform/runtime/FileSystem.h"
#include "platform/runtime/PlatformTexts.h"
#include "platform/runtime/ResultNames.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/windows/NamedFiles.h"
#include "platform/windows/UniqueHandle.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

namespace {

constexpr std::chrono::milliseconds kPause(50);

// A lock file that its last holder is removing refuses every opener as access denied, as one
// that this user may not open does; the one that is going cannot be opened even to be looked at.
bool BeingRemoved(const std::wstring& lockPath) {
  return !OpenNamed(lockPath, FILE_READ_ATTRIBUTES).Valid() &&
         ::GetLastError() == ERROR_ACCESS_DENIED;
}

}  // namespace

struct NameLock::Held {
  UniqueHandle lock;
};

NameLock::NameLock(const std::string& path, std::chrono::milliseconds wait)
    : held_(std::make_unique<Held>()) {
  const std::wstring lockPath = WidePath(FolderOf(path)) + L"\\" + WidePath(LockName(LeafOf(path)));
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    held_->lock = OpenLockFile(lockPath, OPEN_ALWAYS);
    if (held_->lock.Valid()) return;
    const DWORD error = ::GetLastError();
    if (error == kNotTheNamedFile) {
      RaiseForFile(kErrPathFileAccess, Utf8Of(lockPath), texts::NotALock(FolderOf(path)));
    }
    if (error == ERROR_ACCESS_DENIED && !BeingRemoved(lockPath)) {
      RaiseForFile(kErrPermissionDenied, Utf8Of(lockPath), texts::LockNotOpenable(FolderOf(path)));
    }
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) {
      RaiseFileError(static_cast<int>(error), FileAccess::kWrite, path);
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      RaiseForFile(kErrPermissionDenied, path, texts::kAnotherConversion);
    }
    std::this_thread::sleep_for(kPause);
  }
}

// The file goes as the handle closes.
NameLock::~NameLock() = default;

}  // namespace ferolan
