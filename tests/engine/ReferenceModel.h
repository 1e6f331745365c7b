// The conversion written the plain way: whole strings, one byte at a time. Tests compare the
// engine with it on many exports.
#pragma once

#include <optional>
#include <string>

namespace ferolan::testing {

struct ModelOutcome {
  long error = 0;
  std::string intermediate;           // what pass 1 wrote, complete or not
  std::optional<std::string> french;  // present when the result files were put in place
  std::optional<std::string> maths;
};

ModelOutcome RunReferenceModel(const std::string& xml, bool casimir);

}  // namespace ferolan::testing
