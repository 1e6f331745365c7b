// Libraries linked into the module, where nothing can be loaded: a handle is the library's
// record among those the module links.
#include <algorithm>

#include "platform/runtime/LibraryHandle.h"
#include "platform/runtime/SharedLibrary.h"

namespace ferolan::library_handle {

void* Open(const std::string& name, std::string& reason) {
  const auto& libraries = LinkedLibraries();
  const auto found = std::find_if(libraries.begin(), libraries.end(), [&](const auto& library) {
    return LibraryFileName(library.name) == LibraryFileName(name);
  });
  if (found != libraries.end()) return const_cast<LinkedLibrary*>(&*found);
  reason = "bibliothèque absente de la page";
  return nullptr;
}

void* Find(void* handle, const std::string& entry) {
  const auto& entries = static_cast<const LinkedLibrary*>(handle)->entries;
  const auto found = std::find_if(entries.begin(), entries.end(),
                                  [&](const auto& point) { return entry == point.name; });
  return found == entries.end() ? nullptr : found->address;
}

void Close(void*) {}

}  // namespace ferolan::library_handle
