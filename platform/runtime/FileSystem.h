// The file services that are not reading or writing: deleting a file and looking one up.
#pragma once

#include <string>

namespace ferolan {

// Deletes a file; raises the runtime's file error when it cannot.
void Kill(const std::string& path);

// The name (without its folder) of the normal file at `path`: a regular file that is not
// hidden. Empty when there is none.
std::string Dir(const std::string& path);

}  // namespace ferolan
