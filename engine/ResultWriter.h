// Pass 2 of the conversion: sends each line of the intermediate file to the French or the maths
// result file, numbering the lines of each file from 01.
#pragma once

#include <string>

#include "engine/Module1.h"

namespace ferolan::Module1 {

// The French and the maths result files of an export, from its OutputPrefix.
struct ResultFiles {
  std::string french;
  std::string maths;
};
ResultFiles ResultFileNames(const std::string& outputPrefix, bool casimir);

// Reads the intermediate file, writes both result files (put in place only once complete) and
// deletes the intermediate file.
void WriteResults(const std::string& intermediatePath, const std::string& outputPrefix,
                  const OutputKindQuery& option1Value);

}  // namespace ferolan::Module1
