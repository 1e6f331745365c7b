// Runs one conversion of an export given as bytes, in a folder of its own, and collects what
// the user would find afterwards.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/scripted/ScriptedServices.h"
#include "tests/support/TempDir.h"

namespace ferolan::testing {

enum class Kind { kCasimir, kText };

struct Outcome {
  long error = 0;           // the run-time error number, 0 when the conversion ended normally
  std::string description;  // the error's description
  std::optional<std::string> french;  // absent when the file was not there afterwards
  std::optional<std::string> maths;
  std::optional<std::string> intermediate;
  std::vector<ScriptedServices::Message> messages;
};

class ConversionHarness {
 public:
  ConversionHarness();

  // The result files are named from `OutputPrefix()`, the work files from `WorkBase()`.
  std::string WorkBase() const { return dir_ / "program/classe"; }
  std::string OutputPrefix() const { return dir_ / "exports/classe"; }
  std::string FrenchPath(Kind kind) const;
  std::string MathsPath(Kind kind) const;

  Outcome Convert(const std::string& exportXml, Kind kind);
  // Converts what is already at WorkBase() + ".xml".
  Outcome ConvertInPlace(Kind kind);

 private:
  static std::optional<std::string> ReadIfThere(const std::string& path);
  TempDir dir_;
};


}  // namespace ferolan::testing
