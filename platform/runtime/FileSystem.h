// The file services that are not reading or writing: deleting a file, looking one up, telling
// a missing file from a missing folder, and whether a file can be opened.
#pragma once

#include <string>

namespace ferolan {

// Deletes a file; raises the runtime's file error when it cannot.
void Kill(const std::string& path);

// The folder part of `path` ("." when it has none, "/" for a file at the root), and its last
// part.
std::string FolderOf(const std::string& path);
std::string LeafOf(const std::string& path);

// Whether the folder that `path` names a file in exists (a path without a folder: yes). A
// missing file is "file not found" only when its folder exists; otherwise the path is wrong.
bool FolderOfExists(const std::string& path);

// The name (without its folder) of the normal file at `path`: a regular file that is not
// hidden. Empty when there is none.
std::string Dir(const std::string& path);

// Whether `path` names a regular file that can be opened for reading, found without waiting and
// without opening anything else.
bool IsOpenableRegularFile(const std::string& path);

}  // namespace ferolan
