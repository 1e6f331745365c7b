#include "stand-ins/zip32/Registration.h"

#include <cstddef>
#include <exception>
#include <utility>

namespace zip32 {

namespace {

// The options sit where the 32-bit build puts them, after three pointers of this build's width.
constexpr std::size_t At(std::size_t offset32) { return offset32 - 12 + 3 * sizeof(void*); }
static_assert(offsetof(ZipOptions, encrypt) == At(12));
static_assert(offsetof(ZipOptions, junkFolders) == At(64));
static_assert(offsetof(ZipOptions, addToExisting) == At(68));
static_assert(offsetof(ZipOptions, comment) == At(100));
static_assert(offsetof(ZipOptions, recurse) == At(116));
static_assert(offsetof(ZipOptions, level) == At(124));
static_assert(sizeof(ZipCallbacks) == 4 * sizeof(void*));

Registration registration;

std::optional<std::string> Copy(const char* text) {
  return text == nullptr ? std::nullopt : std::optional<std::string>(text);
}

}  // namespace

const Registration& Registered() { return registration; }

}  // namespace zip32

extern "C" __attribute__((visibility("default"))) int32_t ZIP32_CALL
ZpInit(const ZipCallbacks* callbacks) {
  if (callbacks == nullptr) return ZIP32_ERR_ARGUMENTS;
  zip32::registration.callbacks = *callbacks;
  return ZIP32_OK;
}

extern "C" __attribute__((visibility("default"))) int32_t ZIP32_CALL
ZpSetOptions(const ZipOptions* options) {
  if (options == nullptr) return ZIP32_ERR_ARGUMENTS;
  try {
    zip32::Registration next;
    next.callbacks = zip32::registration.callbacks;
    next.options = *options;
    next.dateLimit = zip32::Copy(options->dateLimit);
    next.rootFolder = zip32::Copy(options->rootFolder);
    next.tempFolder = zip32::Copy(options->tempFolder);
    // The caller's texts are not kept: only the copies are.
    next.options.dateLimit = nullptr;
    next.options.rootFolder = nullptr;
    next.options.tempFolder = nullptr;
    zip32::registration = std::move(next);
  } catch (const std::exception&) {
    return ZIP32_ERR_MEMORY;
  }
  return ZIP32_OK;
}
