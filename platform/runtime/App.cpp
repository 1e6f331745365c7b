#include "platform/runtime/App.h"

#include <filesystem>

#include "platform/runtime/PathText.h"
#include "platform/runtime/RunningProgram.h"

namespace ferolan::App {

std::string Title() { return "Ferolan"; }

std::string Path() { return TextOf(RunningProgramFile().parent_path()); }

std::string EXEName() {
  const auto exe = RunningProgramFile();
  return exe.empty() ? std::string("ferolan") : TextOf(exe.filename());
}

}  // namespace ferolan::App
