// The hidden names beside a result: its temporary files and its lock. They start with a dot, as
// on every other system, and the files are made hidden besides.
#pragma once

#include <string>

namespace ferolan {

// "." + `leaf` + ".~ferolan-": what every hidden name of `leaf`'s temporaries starts with.
std::wstring TemporaryPrefix(const std::wstring& leaf);
// A fresh hidden name for `leaf`.
std::wstring HiddenName(const std::wstring& leaf);

}  // namespace ferolan
