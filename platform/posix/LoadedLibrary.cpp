// Libraries loaded from a file at run time, always by its full path: never through the
// loader's own search, which would take LD_LIBRARY_PATH's empty or relative elements for the
// current folder or a folder below it.
#include <dlfcn.h>
#include <unistd.h>

#include <vector>

#include "platform/runtime/App.h"
#include "platform/runtime/LibraryHandle.h"
#include "platform/runtime/SharedLibrary.h"

namespace ferolan::library_handle {

namespace {

// The multiarch triplet ("x86_64-linux-gnu") of the build; empty where the system has none.
constexpr const char* kArchitecture = FEROLAN_LIBRARY_ARCHITECTURE;

void* OpenFile(const std::string& file, std::string& reason) {
  void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* error = ::dlerror();
    reason = error == nullptr ? std::string() : error;
  }
  return handle;
}

// The program's folder, then the system's library folders, most local first.
std::vector<std::string> SearchedFolders(const std::string& programFolder) {
  std::vector<std::string> folders{programFolder};
  for (const std::string prefix : {"/usr/local/lib", "/usr/lib", "/lib"}) {
    if (*kArchitecture != '\0') folders.push_back(prefix + "/" + kArchitecture);
    folders.push_back(prefix);
  }
  return folders;
}

}  // namespace

// On failure, `reason` is the loader's for the first copy that failed to load, the one beside
// the program when there is one; when there is no copy at all, it is what the loader says of a
// name it finds nowhere. Without the program's folder nothing is loaded by name: the system's
// copy would be taken for the program's own. What the library needs in turn (libzip and what
// libzip needs) the loader finds by its own search, with LD_LIBRARY_PATH as it was at start:
// no call made now can change that search, which found the program's own libraries before it
// ran at all.
void* Open(const std::string& name, std::string& reason) {
  const std::string file = LibraryFileName(name);
  if (file.find('/') != std::string::npos) {
    if (file.front() == '/') return OpenFile(file, reason);
    reason = "chemin relatif refusé";
    return nullptr;
  }
  const std::string folder = App::Path();
  if (folder.empty()) {
    reason = "dossier du programme inconnu";
    return nullptr;
  }
  reason.clear();
  for (const std::string& searched : SearchedFolders(folder)) {
    const std::string path = searched + "/" + file;
    if (::access(path.c_str(), F_OK) != 0) continue;
    std::string failure;
    if (void* handle = OpenFile(path, failure)) return handle;
    if (reason.empty()) reason = failure;
  }
  if (reason.empty()) reason = file + ": cannot open shared object file: No such file or directory";
  return nullptr;
}

void* Find(void* handle, const std::string& entry) { return ::dlsym(handle, entry.c_str()); }

void Close(void* handle) { ::dlclose(handle); }

}  // namespace ferolan::library_handle
