// Looking into a folder and removing a folder with everything in it, without ever following a
// symbolic link: a link met inside is removed itself, never what it points to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/UniqueFd.h"

namespace ferolan {

// Opens the folder `name` in the folder open as `parent`; invalid when it is missing, is not a
// folder or is a symbolic link.
UniqueFd OpenFolderAt(int parent, const std::string& name);

// Removes `name` in the folder open as `parent`: a folder with all it holds, or a file or link.
// Best effort: what cannot be removed stays, and nothing is reported. It stays on the file
// system of `name`, and any depth of tree takes the same few descriptors and the same stack.
void RemoveTreeAt(int parent, const std::string& name);

// The names in the folder open as `folder` that start with `prefix`; none when it cannot be read.
std::vector<std::string> NamesStartingWith(int folder, std::string_view prefix);

}  // namespace ferolan
