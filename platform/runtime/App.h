// What the program knows of itself: its folder, title, executable name and version.
#pragma once

#include <string>

namespace ferolan::App {

inline constexpr int Major = 2;
inline constexpr int Minor = 0;

// The program's title, used as the caption of every message box that is not given one.
std::string Title();

// The folder that holds the running program, without a trailing separator, as the system
// reports it; empty when the system cannot tell (no /proc). It is never guessed: the current
// folder belongs to whoever started the program.
std::string Path();

// The running executable's file name without its folder.
std::string EXEName();

}  // namespace ferolan::App
