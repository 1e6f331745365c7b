// A look into the work root of the test program, where requests make their folders.
#pragma once

#include <string>
#include <vector>

namespace ferolan::testing {

// The request folders in the work root; none when the root does not exist.
std::vector<std::string> WorkFolders();

}  // namespace ferolan::testing
