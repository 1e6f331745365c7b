// Libraries loaded from a file at run time, always by its full path, and what they need in turn
// only from their own folder and the system's: never from the current folder (the export's,
// often) nor through PATH, where anyone may have put a DLL of the same name.
#include <windows.h>

#include <memory>

#include "platform/runtime/App.h"
#include "platform/runtime/LibraryHandle.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/SharedLibrary.h"
#include "platform/windows/PathShape.h"
#include "platform/windows/WideNames.h"

namespace ferolan::library_handle {

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

void* OpenFile(const std::string& file, std::string& reason) {
  std::wstring wide;
  try {
    wide = WidePath(file);
  } catch (const RuntimeError& error) {
    reason = error.Description();
    return nullptr;
  }
  HMODULE module = ::LoadLibraryExW(
      wide.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) reason = SystemReason(::GetLastError());
  return module;
}

}  // namespace

// Whatever Windows loads later on the program's behalf (a DLL that a loaded one loads itself,
// say) is kept off the current folder and PATH as well, from before the first load on.
void* Open(const std::string& name, std::string& reason) {
  [[maybe_unused]] static const bool restricted =
      ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != 0;
  const std::string file = LibraryFileName(name);
  if (file.find_first_of("\\/") != std::string::npos) {
    if (IsFullPath(file)) return OpenFile(file, reason);
    reason = "chemin relatif refusé";
    return nullptr;
  }
  const std::string folder = App::Path();
  if (folder.empty()) {
    reason = "dossier du programme inconnu";
    return nullptr;
  }
  return OpenFile(folder + "\\" + file, reason);
}

void* Find(void* handle, const std::string& entry) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle), entry.c_str()));
}

void Close(void* handle) { ::FreeLibrary(static_cast<HMODULE>(handle)); }

}  // namespace ferolan::library_handle
