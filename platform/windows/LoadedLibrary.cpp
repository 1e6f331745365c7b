// Libraries loaded from a file at run time, always by its full path, and what they need in turn
// only from their own folder and the system's: never from the current folder (the export's,
// often) nor through PATH, where anyone may have put a DLL of the same name.
#include <windows.h>

#include <memory>

#include "platform/runtime/LibraryFile.h"
#include "platform/runtime/LibraryHandle.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/windows/PathShape.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

namespace {

struct LocalFreer {
  void operator()(wchar_t* text) const { ::LocalFree(text); }
};

// The system's description of `error`, in the system's language, without its line break.
std::string SystemReason(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  const std::unique_ptr<wchar_t, LocalFreer> owned(text);
  if (length == 0) return "erreur " + std::to_string(error);
  std::wstring_view reason(text, length);
  while (!reason.empty() &&
         (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' ')) {
    reason.remove_suffix(1);
  }
  return Utf8Of(reason);
}

}  // namespace

namespace library_file {

void* Open(const std::string& path, std::string& reason) {
  std::wstring wide;
  try {
    wide = WidePath(path);
  } catch (const RuntimeError& error) {
    reason = error.Description();
    return nullptr;
  }
  if (::GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES) return nullptr;
  HMODULE module = ::LoadLibraryExW(
      wide.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) reason = SystemReason(::GetLastError());
  return module;
}

// As the loader says it of a module it cannot find.
std::string NotFoundReason(const std::string&) { return SystemReason(ERROR_MOD_NOT_FOUND); }

bool IsFullPath(const std::string& path) { return ferolan::IsFullPath(path); }

// The program's folder only: a copy anywhere else is never taken for the program's own.
std::vector<std::string> SearchedFolders(const std::string& programFolder) {
  return {programFolder};
}

}  // namespace library_file

namespace library_handle {

// What Windows loads later on the program's behalf is kept off the current folder and PATH by
// the program's first call (ProgramStart.h).
void* Open(const std::string& name, std::string& reason) {
  return library_file::OpenByName(name, reason);
}

void* Find(void* handle, const std::string& entry) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle), entry.c_str()));
}

void Close(void* handle) { ::FreeLibrary(static_cast<HMODULE>(handle)); }

}  // namespace library_handle

}  // namespace ferolan
