// How a Windows path is laid out: its root (a drive, a share, a device), which no folder part
// goes above, and whether it names one place whatever the current folder and drive are.
#pragma once

#include <cstddef>
#include <string_view>

namespace ferolan {

// Both separators are Windows'.
inline bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The length of the root that starts `path`: "C:\" and "C:" (the drive's current folder), "\"
// (the current drive's root), "\\server\share\" and "\\?\C:\" alike; 0 for a relative path.
std::size_t RootLength(std::string_view path);

// Whether `path` names the same file from any current folder and drive: "C:\x" and a share
// ("\\server\share\x"), not "x", "C:x" nor "\x".
bool IsFullPath(std::string_view path);

}  // namespace ferolan
