#include "platform/runtime/SharedLibrary.h"

#include <dlfcn.h>
#include <strings.h>
#include <unistd.h>

#include <filesystem>
#include <utility>

#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

void* Open(const std::string& file, std::string& reason) {
  void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* error = ::dlerror();
    reason = error == nullptr ? std::string() : error;
  }
  return handle;
}

// On failure, `reason` is the loader's: for the copy beside the program when there is one,
// which tells more than its absence from the system's path. Without the program's folder
// nothing is loaded by name: the system's copy would be taken for the program's own.
void* OpenByName(const std::string& name, std::string& reason) {
  const std::string file = LibraryFileName(name);
  if (file.find('/') != std::string::npos) return Open(file, reason);
  const std::string folder = App::Path();
  if (folder.empty()) {
    reason = "dossier du programme inconnu";
    return nullptr;
  }
  const std::string beside = folder + "/" + file;
  if (void* handle = Open(beside, reason)) return handle;
  std::string systemReason;
  void* handle = Open(file, systemReason);
  if (handle == nullptr && ::access(beside.c_str(), F_OK) != 0) reason = systemReason;
  return handle;
}

std::string FileNameOf(const std::string& name) {
  return std::filesystem::path(LibraryFileName(name)).filename().string();
}

}  // namespace

std::string LibraryFileName(const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  std::string stem = name;
  if (stem.size() > 4 && ::strcasecmp(stem.c_str() + stem.size() - 4, ".dll") == 0) {
    stem.resize(stem.size() - 4);
  }
  return "lib" + stem + ".so";
}

SharedLibrary SharedLibrary::Load(const std::string& name) {
  std::string reason;
  void* handle = OpenByName(name, reason);
  if (handle == nullptr) RaiseForFile(kErrFileNotFound, LibraryFileName(name), reason);
  return SharedLibrary(handle, FileNameOf(name));
}

std::unique_ptr<SharedLibrary> SharedLibrary::TryLoad(const std::string& name) {
  std::string reason;
  void* handle = OpenByName(name, reason);
  if (handle == nullptr) return nullptr;
  return std::unique_ptr<SharedLibrary>(new SharedLibrary(handle, FileNameOf(name)));
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), name_(std::move(other.name_)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
  if (this != &other) {
    if (handle_ != nullptr) ::dlclose(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
    name_ = std::move(other.name_);
  }
  return *this;
}

SharedLibrary::~SharedLibrary() {
  if (handle_ != nullptr) ::dlclose(handle_);
}

void* SharedLibrary::EntryPoint(const std::string& entry) const {
  void* address = ::dlsym(handle_, entry.c_str());
  if (address == nullptr) RaiseNaming(kErrEntryPointNotFound, entry, name_);
  return address;
}

}  // namespace ferolan
