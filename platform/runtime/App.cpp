#include "platform/runtime/App.h"

#include <filesystem>
#include <system_error>

namespace ferolan::App {

namespace {

std::filesystem::path RunningExecutable() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : exe;
}

}  // namespace

std::string Title() { return "Ferolan"; }

std::string Path() { return RunningExecutable().parent_path().string(); }

std::string EXEName() {
  const auto exe = RunningExecutable();
  return exe.empty() ? std::string("ferolan") : exe.filename().string();
}

}  // namespace ferolan::App
