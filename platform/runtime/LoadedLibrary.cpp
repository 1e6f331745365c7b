// Libraries loaded from a file at run time.
#include <dlfcn.h>
#include <unistd.h>

#include "platform/runtime/App.h"
#include "platform/runtime/LibraryHandle.h"
#include "platform/runtime/SharedLibrary.h"

namespace ferolan::library_handle {

namespace {

void* OpenFile(const std::string& file, std::string& reason) {
  void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* error = ::dlerror();
    reason = error == nullptr ? std::string() : error;
  }
  return handle;
}

}  // namespace

// On failure, `reason` is the loader's: for the copy beside the program when there is one,
// which tells more than its absence from the system's path. Without the program's folder
// nothing is loaded by name: the system's copy would be taken for the program's own.
void* Open(const std::string& name, std::string& reason) {
  const std::string file = LibraryFileName(name);
  if (file.find('/') != std::string::npos) return OpenFile(file, reason);
  const std::string folder = App::Path();
  if (folder.empty()) {
    reason = "dossier du programme inconnu";
    return nullptr;
  }
  const std::string beside = folder + "/" + file;
  if (void* handle = OpenFile(beside, reason)) return handle;
  std::string systemReason;
  void* handle = OpenFile(file, systemReason);
  if (handle == nullptr && ::access(beside.c_str(), F_OK) != 0) reason = systemReason;
  return handle;
}

void* Find(void* handle, const std::string& entry) { return ::dlsym(handle, entry.c_str()); }

void Close(void* handle) { ::dlclose(handle); }

}  // namespace ferolan::library_handle
