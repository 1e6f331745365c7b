#include "platform/windows/KnownFolders.h"

#include <memory>

namespace ferolan {

namespace {

struct TaskMemFreer {
  void operator()(wchar_t* text) const { ::CoTaskMemFree(text); }
};

}  // namespace

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  wchar_t* path = nullptr;
  const HRESULT result = ::SHGetKnownFolderPath(id, 0, nullptr, &path);
  const std::unique_ptr<wchar_t, TaskMemFreer> owned(path);
  return SUCCEEDED(result) && path != nullptr ? std::wstring(path) : std::wstring();
}

// A value that grows between the two calls is asked for again at its new length.
std::wstring EnvironmentVariable(const wchar_t* name) {
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

}  // namespace ferolan
