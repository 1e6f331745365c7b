// The Windows console: arguments read in UTF-16 from the command line (argv is in the ANSI code
// page, which cannot hold every name), wildcards expanded here as no Windows shell does it, and
// the manual's place taken by the LISEZMOI.txt shipped beside the program.
#include "app/convert/Console.h"

#include <windows.h>

#include <memory>

#include "app/convert/windows/ConsoleBuffer.h"
#include "app/convert/windows/Wildcards.h"

namespace ferolan::console {
namespace {

struct LocalFreer {
  void operator()(LPWSTR* memory) const { LocalFree(memory); }
};

}  // namespace

std::vector<std::string> Arguments(int, char**) {
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalFreer> words(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> arguments;
  for (int i = 1; words && i < count; ++i) {
    for (std::string& argument : ExpandWildcards(words.get()[i])) {
      arguments.push_back(std::move(argument));
    }
  }
  return arguments;
}

std::ostream& Out() {
  static ConsoleBuffer buffer(STD_OUTPUT_HANDLE);
  static std::ostream stream(&buffer);
  return stream;
}

std::ostream& Err() {
  static ConsoleBuffer buffer(STD_ERROR_HANDLE);
  static std::ostream stream(&buffer);
  return stream;
}

const char* const kMoreDetails =
    "Plus de détails dans le fichier LISEZMOI.txt, à côté du programme";

}  // namespace ferolan::console
