// A path made absolute as Windows makes it before it opens anything: against the current folder
// (and the current drive's), with "." and ".." resolved and "/" made "\".
#pragma once

#include <string>

namespace ferolan {

// The full path that `path` names now; `path` itself when Windows cannot tell.
std::wstring FullPath(const std::wstring& path);

}  // namespace ferolan
