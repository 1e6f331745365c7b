#include "platform/windows/PathShape.h"

namespace ferolan {

namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':';
}

bool IsShare(std::string_view path) {
  return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

// Past the component that starts at `from`, and the separator after it when there is one.
std::size_t PastComponent(std::string_view path, std::size_t from) {
  while (from < path.size() && !IsSeparator(path[from])) ++from;
  return from < path.size() ? from + 1 : from;
}

}  // namespace

// A share's root is its two components, server and share; the device and long-path prefixes
// ("\\.\", "\\?\") take the same shape with their first component ("\\?\C:\").
std::size_t RootLength(std::string_view path) {
  if (IsShare(path)) return PastComponent(path, PastComponent(path, 2));
  if (HasDrive(path)) return path.size() > 2 && IsSeparator(path[2]) ? 3 : 2;
  return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

bool IsFullPath(std::string_view path) {
  return IsShare(path) || (HasDrive(path) && path.size() > 2 && IsSeparator(path[2]));
}

}  // namespace ferolan
