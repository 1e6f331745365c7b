// What ferolan-convert needs from the system it runs on: its arguments as UTF-8, standard
// output and error written the way that system's consoles and files expect, and where the
// user reads more. posix/ and windows/ each implement it; CMake picks one.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ferolan::console {

// The arguments after the program's name, in UTF-8. Where the shell expands no wildcard
// (Windows), an argument with * or ? in its last part stands for the files it matches.
std::vector<std::string> Arguments(int argc, char** argv);

// Standard output and standard error, each taking UTF-8 text with "\n" line ends.
std::ostream& Out();
std::ostream& Err();

// The last line of the usage text, without its line end: where more details are.
extern const char* const kMoreDetails;

}  // namespace ferolan::console
