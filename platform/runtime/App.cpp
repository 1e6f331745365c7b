#include "platform/runtime/App.h"

#include <filesystem>

#include "platform/runtime/RunningProgram.h"

namespace ferolan::App {

std::string Title() { return "Ferolan"; }

std::string Path() { return RunningProgramFile().parent_path().string(); }

std::string EXEName() {
  const auto exe = RunningProgramFile();
  return exe.empty() ? std::string("ferolan") : exe.filename().string();
}

}  // namespace ferolan::App
