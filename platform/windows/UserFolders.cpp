#include "platform/runtime/UserFolders.h"

#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shlobj.h>

#include <memory>

#include "platform/windows/SharedFiles.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

namespace {

struct TaskMemFreer {
  void operator()(wchar_t* text) const { ::CoTaskMemFree(text); }
};

// The folder the shell knows by `id`, in UTF-16; empty when it has none.
std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  wchar_t* path = nullptr;
  const HRESULT result = ::SHGetKnownFolderPath(id, 0, nullptr, &path);
  const std::unique_ptr<wchar_t, TaskMemFreer> owned(path);
  return SUCCEEDED(result) && path != nullptr ? std::wstring(path) : std::wstring();
}

std::wstring Variable(const wchar_t* name) {
  std::wstring value(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    if (length < value.size()) {
      value.resize(length);
      return value;
    }
    value.resize(length);
  }
}

std::wstring Home() {
  std::wstring home = KnownFolder(FOLDERID_Profile);
  return home.empty() ? Variable(L"USERPROFILE") : home;
}

}  // namespace

std::string HomeFolder() { return Utf8Of(Home()); }

std::string DocumentsFolder() {
  const std::wstring documents = KnownFolder(FOLDERID_Documents);
  return Utf8Of(!documents.empty() && IsFolder(documents) ? documents : Home());
}

}  // namespace ferolan
