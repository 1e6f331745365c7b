#include "platform/winapi/Kernel.h"

#include <cstring>
#include <memory>

#include "platform/runtime/SharedLibrary.h"
#include "platform/winapi/HandleTable.h"

namespace ferolan::winapi {

namespace {

HandleTable<std::unique_ptr<SharedLibrary>>& Modules() {
  static HandleTable<std::unique_ptr<SharedLibrary>> modules;
  return modules;
}

}  // namespace

int lstrlenA(LPCSTR lpString) {
  return lpString == nullptr ? 0 : static_cast<int>(std::strlen(lpString));
}

void RtlMoveMemory(void* Destination, const void* Source, std::size_t Length) {
  std::memmove(Destination, Source, Length);
}

HMODULE LoadLibraryA(LPCSTR lpLibFileName) {
  if (lpLibFileName == nullptr) return 0;
  auto library = SharedLibrary::TryLoad(lpLibFileName);
  if (library == nullptr) return 0;
  return Modules().Add(std::move(library));
}

BOOL FreeLibrary(HMODULE hLibModule) { return Modules().Remove(hLibModule) ? 1 : 0; }

}  // namespace ferolan::winapi
