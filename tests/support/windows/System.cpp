#include "tests/support/System.h"

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace ferolan::testing {

const bool kNamesAreBytes = false;
const bool kFoldersIgnoreCase = true;
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

// The child takes the environment as it is when it starts: set for it, then set back.
// The handles to files on disk, found by trying each handle value: the system hands out the
// lowest free ones, so a long run of unused values ends the search. Wine counts no handles for
// GetProcessHandleCount, and its own file descriptors come and go behind the program's back.
int OpenFileCount() {
  int count = 0;
  int unused = 0;
  for (ULONG_PTR value = 4; unused < 512; value += 4) {
    const HANDLE handle = reinterpret_cast<HANDLE>(value);
    DWORD flags;
    if (!::GetHandleInformation(handle, &flags)) {
      ++unused;
      continue;
    }
    unused = 0;
    if (::GetFileType(handle) == FILE_TYPE_DISK) ++count;
  }
  return count;
}

int RunThisProgram(const std::string& filter, const std::string& variable, const std::string& value,
                   const std::string& temporaryFolder) {
  wchar_t program[MAX_PATH];
  if (::GetModuleFileNameW(nullptr, program, MAX_PATH) == 0) return -1;
  std::wstring command = L"\"" + std::wstring(program) + L"\" --gtest_filter=" +
                         std::filesystem::path(filter).wstring();
  const char* savedTemporary = std::getenv("TMP");
  const std::optional<std::string> previous =
      savedTemporary ? std::optional<std::string>(savedTemporary) : std::nullopt;
  SetVariable(variable, value);
  SetVariable("TMP", temporaryFolder);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const bool started = ::CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &process) != 0;
  SetVariable(variable, std::nullopt);
  SetVariable("TMP", previous);
  if (!started) return -1;
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  ::GetExitCodeProcess(process.hProcess, &status);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return static_cast<int>(status);
}

}  // namespace ferolan::testing
