#include "platform/runtime/SharedLibrary.h"

#include <filesystem>
#include <utility>

#include "platform/runtime/LibraryHandle.h"
#include "platform/runtime/PathText.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

std::string FileNameOf(const std::string& name) {
  return TextOf(PathOf(LibraryFileName(name)).filename());
}

}  // namespace

SharedLibrary SharedLibrary::Load(const std::string& name) {
  std::string reason;
  void* handle = library_handle::Open(name, reason);
  if (handle == nullptr) RaiseForFile(kErrFileNotFound, LibraryFileName(name), reason);
  return SharedLibrary(handle, FileNameOf(name));
}

std::unique_ptr<SharedLibrary> SharedLibrary::TryLoad(const std::string& name) {
  std::string reason;
  void* handle = library_handle::Open(name, reason);
  if (handle == nullptr) return nullptr;
  return std::unique_ptr<SharedLibrary>(new SharedLibrary(handle, FileNameOf(name)));
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), name_(std::move(other.name_)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
  if (this != &other) {
    if (handle_ != nullptr) library_handle::Close(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
    name_ = std::move(other.name_);
  }
  return *this;
}

SharedLibrary::~SharedLibrary() {
  if (handle_ != nullptr) library_handle::Close(handle_);
}

void* SharedLibrary::EntryPoint(const std::string& entry) const {
  void* address = library_handle::Find(handle_, entry);
  if (address == nullptr) RaiseNaming(kErrEntryPointNotFound, entry, name_);
  return address;
}

}  // namespace ferolan
