#include "tests/support/System.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace ferolan::testing {

const bool kNamesAreBytes = true;
const char* const kWorkRootVariable = "XDG_CACHE_HOME";

std::string MakeFreshFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "ferolan-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a test folder");
  return pattern;
}

void SetVariable(const std::string& name, const std::optional<std::string>& value) {
  if (value) {
    ::setenv(name.c_str(), value->c_str(), 1);
  } else {
    ::unsetenv(name.c_str());
  }
}

}  // namespace ferolan::testing
