// The hostile exports that every converter must refuse with a clear message, damaging nothing:
// how each is made, and part of what the user is told.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace ferolan::testing {

struct HostileCase {
  std::string name;
  std::function<void(const std::string& jad, const std::string& base)> make;
  std::string said;  // part of what the user is told
  // Where the export's entry aims, outside the export's folder and the program's folder.
  std::function<std::vector<std::string>(const std::string& base)> aimedAt = {};
};

std::vector<HostileCase> HostileCases();

// How a test names a case.
inline void PrintTo(const HostileCase& hostile, std::ostream* out) { *out << hostile.name; }

// An export holding one entry of that name and content.
void MakeXmlEntry(const std::string& jad, const std::string& entryName, const std::string& xml);

}  // namespace ferolan::testing
