#include "platform/runtime/SharedLibrary.h"

#include <dlfcn.h>
#include <strings.h>

#include <utility>

#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

void* OpenByName(const std::string& name) {
  const std::string file = LibraryFileName(name);
  if (file.find('/') != std::string::npos) return ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (void* handle = ::dlopen((App::Path() + "/" + file).c_str(), RTLD_NOW | RTLD_LOCAL)) {
    return handle;
  }
  return ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
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
  void* handle = OpenByName(name);
  if (handle == nullptr) Raise(kErrFileNotFound);
  return SharedLibrary(handle);
}

std::unique_ptr<SharedLibrary> SharedLibrary::TryLoad(const std::string& name) {
  void* handle = OpenByName(name);
  if (handle == nullptr) return nullptr;
  return std::unique_ptr<SharedLibrary>(new SharedLibrary(handle));
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
  if (this != &other) {
    if (handle_ != nullptr) ::dlclose(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

SharedLibrary::~SharedLibrary() {
  if (handle_ != nullptr) ::dlclose(handle_);
}

void* SharedLibrary::EntryPoint(const std::string& entry) const {
  void* address = ::dlsym(handle_, entry.c_str());
  if (address == nullptr) Raise(kErrEntryPointNotFound);
  return address;
}

}  // namespace ferolan
