// A copy of a name list as a library reads it: an array of pointers to NUL-terminated names,
// null where no name was set.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "zip/mZipDLLProc.h"

namespace ferolan::mZipDLLProc {

// The callbacks may let the user interface run, and nothing it does to the process-wide lists
// meanwhile can reach the library's pointers.
class LibraryNameList {
 public:
  explicit LibraryNameList(const NameList& names);
  const char* const* Pointers() const { return pointers_.data(); }

 private:
  std::vector<std::optional<std::string>> copies_;
  std::array<const char*, UNZIP32_NAME_LIST_SIZE> pointers_{};
};

}  // namespace ferolan::mZipDLLProc
