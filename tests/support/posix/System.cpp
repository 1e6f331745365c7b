#include "tests/support/System.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <stdexcept>

namespace ferolan::testing {

const bool kNamesAreBytes = true;
const bool kFoldersIgnoreCase = false;
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

int OpenFileCount() {
  return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                        std::filesystem::directory_iterator()));
}

int RunThisProgram(const std::string& filter, const std::string& variable, const std::string& value,
                   const std::string& temporaryFolder) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::setenv(variable.c_str(), value.c_str(), 1);
    ::setenv("TMPDIR", temporaryFolder.c_str(), 1);
    const std::string argument = "--gtest_filter=" + filter;
    ::execl("/proc/self/exe", "test", argument.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

}  // namespace ferolan::testing
