// What ZpInit and ZpSetOptions leave for the next ZpArchive calls: the callbacks and the
// options, texts copied so that the caller's need not outlive its call.
#pragma once

#include <optional>
#include <string>

#include "zip/interface/zip32.h"

namespace zip32 {

struct Registration {
  ZipCallbacks callbacks{};
  ZipOptions options{};
  std::optional<std::string> dateLimit;
  std::optional<std::string> rootFolder;
  std::optional<std::string> tempFolder;
};

// The library's one registration; every option off and no callback until set.
const Registration& Registered();

}  // namespace zip32
