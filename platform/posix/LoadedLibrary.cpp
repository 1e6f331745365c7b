// Libraries loaded from a file at run time, always by its full path: never through the
// loader's own search, which would take LD_LIBRARY_PATH's empty or relative elements for the
// current folder or a folder below it. What the library needs in turn (libzip and what libzip
// needs) the loader finds by its own search, with LD_LIBRARY_PATH as it was at start: no call
// made now can change that search, which found the program's own libraries before it ran at
// all.
#include <dlfcn.h>
#include <unistd.h>

#include "platform/runtime/LibraryFile.h"
#include "platform/runtime/LibraryHandle.h"

namespace ferolan {

namespace {

// The multiarch triplet ("x86_64-linux-gnu") of the build; empty where the system has none.
constexpr const char* kArchitecture = FEROLAN_LIBRARY_ARCHITECTURE;

}  // namespace

namespace library_file {

void* Open(const std::string& path, std::string& reason) {
  if (::access(path.c_str(), F_OK) != 0) return nullptr;
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* error = ::dlerror();
    reason = error == nullptr ? std::string() : error;
  }
  return handle;
}

// As the loader says it of a name it finds nowhere.
std::string NotFoundReason(const std::string& file) {
  return file + ": cannot open shared object file: No such file or directory";
}

bool IsFullPath(const std::string& path) { return path.starts_with('/'); }

// The program's folder, then the system's library folders, most local first.
std::vector<std::string> SearchedFolders(const std::string& programFolder) {
  std::vector<std::string> folders{programFolder};
  for (const std::string prefix : {"/usr/local/lib", "/usr/lib", "/lib"}) {
    if (*kArchitecture != '\0') folders.push_back(prefix + "/" + kArchitecture);
    folders.push_back(prefix);
  }
  return folders;
}

}  // namespace library_file

namespace library_handle {

void* Open(const std::string& name, std::string& reason) {
  return library_file::OpenByName(name, reason);
}

void* Find(void* handle, const std::string& entry) { return ::dlsym(handle, entry.c_str()); }

void Close(void* handle) { ::dlclose(handle); }

}  // namespace library_handle

}  // namespace ferolan
