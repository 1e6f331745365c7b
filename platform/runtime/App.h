// What the program knows of itself: its folder, title, executable name and version.
#pragma once

#include <string>

namespace ferolan::App {

// The version is set once, in the build, which gives it to the package as well.
inline constexpr int Major = FEROLAN_VERSION_MAJOR;
inline constexpr int Minor = FEROLAN_VERSION_MINOR;

// The program's title, used as the caption of every message box that is not given one.
std::string Title();

// The folder that holds the running program, without a trailing separator, as the system
// reports it; empty when the system cannot tell (no /proc). It is never guessed: the current
// folder belongs to whoever started the program.
std::string Path();

// The running executable's file name without its folder.
std::string EXEName();

}  // namespace ferolan::App
