#include "tests/support/System.h"

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace ferolan::testing {

const bool kNamesAreBytes = false;
const char* const kWorkRootVariable = "LOCALAPPDATA";

// Windows has no mkdtemp: a random name, made by a call that fails when it exists.
std::string MakeFreshFolder() {
  std::random_device random;
  const std::filesystem::path temporary = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path folder = temporary / ("ferolan-test-" + std::to_string(random()));
    if (::CreateDirectoryW(folder.c_str(), nullptr)) return folder.string();
  }
  throw std::runtime_error("cannot make a test folder");
}

// _putenv_s sets both the C runtime's copy and the process's, which the platform reads.
void SetVariable(const std::string& name, const std::optional<std::string>& value) {
  ::_putenv_s(name.c_str(), value ? value->c_str() : "");
}

}  // namespace ferolan::testing
