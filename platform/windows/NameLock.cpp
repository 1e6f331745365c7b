#include "platform/windows/NameLock.h"

#include <thread>

#include "platform/runtime/FileSystem.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/windows/HiddenNames.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

namespace {

constexpr std::chrono::milliseconds kPause(50);

// Letter case folded, so that a folder that tells case apart still gives E.jad and E.JAD,
// which a case-blind one would mix, one lock.
std::wstring LockPath(const std::string& path) {
  std::wstring leaf = WidePath(LeafOf(path));
  for (wchar_t& c : leaf) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return WidePath(FolderOf(path)) + L"\\" + TemporaryPrefix(leaf) + L"lock";
}

}  // namespace

NameLock::NameLock(const std::string& path, std::chrono::milliseconds wait) {
  const std::wstring lockPath = LockPath(path);
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    lock_ = UniqueHandle(::CreateFileW(
        lockPath.c_str(), GENERIC_READ | DELETE, 0, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (lock_.Valid()) return;
    // Held, or being removed by its last holder (which Windows reports as access denied).
    const DWORD error = ::GetLastError();
    const bool held = error == ERROR_SHARING_VIOLATION ||
                      (error == ERROR_ACCESS_DENIED &&
                       ::GetFileAttributesW(lockPath.c_str()) != INVALID_FILE_ATTRIBUTES);
    if (!held) {
      RaiseFileError(static_cast<int>(error), FileAccess::kWrite, path);
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      RaiseForFile(kErrPermissionDenied, path,
                   "une autre conversion écrit en ce moment les mêmes fichiers de résultats ; "
                   "attendez qu'elle se termine, puis recommencez");
    }
    std::this_thread::sleep_for(kPause);
  }
}

}  // namespace ferolan
