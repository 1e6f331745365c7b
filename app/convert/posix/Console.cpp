// The POSIX console: the shell has expanded the wildcards already, arguments and terminals
// are UTF-8, and the manual page is installed with the program.
#include "app/convert/Console.h"

#include <iostream>

namespace ferolan::console {

std::vector<std::string> Arguments(int argc, char** argv) {
  if (argc < 2) return {};
  return {argv + 1, argv + argc};
}

std::ostream& Out() { return std::cout; }

std::ostream& Err() { return std::cerr; }

const char* const kMoreDetails = "Plus de détails dans la page de manuel : man ferolan-convert";

}  // namespace ferolan::console
