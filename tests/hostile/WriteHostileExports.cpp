// Writes each hostile export into a folder, as hostile-NAME.jad, for converters that the tests
// of this build cannot call in process (the Windows program under Wine).
//   ferolan-write-hostile-exports FOLDER
#include <iostream>

#include "tests/hostile/HostileExports.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: ferolan-write-hostile-exports FOLDER\n";
    return 2;
  }
  for (const ferolan::testing::HostileCase& hostile : ferolan::testing::HostileCases()) {
    const std::string base = "hostile-" + hostile.name;
    hostile.make(std::string(argv[1]) + "/" + base + ".jad", base);
  }
  return 0;
}
