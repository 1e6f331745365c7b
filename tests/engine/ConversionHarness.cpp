#include "tests/engine/ConversionHarness.h"

#include <filesystem>

#include "engine/Module1.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan::testing {

ConversionHarness::ConversionHarness() {
  std::filesystem::create_directory(dir_.Path() / "program");
  std::filesystem::create_directory(dir_.Path() / "exports");
}

std::string ConversionHarness::FrenchPath(Kind kind) const {
  return OutputPrefix() + (kind == Kind::kCasimir ? "1.c01" : "FR.txt");
}

std::string ConversionHarness::MathsPath(Kind kind) const {
  return OutputPrefix() + (kind == Kind::kCasimir ? "2.c01" : "MATHS.txt");
}

Outcome ConversionHarness::Convert(const std::string& exportXml, Kind kind) {
  WriteBytes(WorkBase() + ".xml", exportXml);
  return ConvertInPlace(kind);
}

Outcome ConversionHarness::ConvertInPlace(Kind kind) {
  ScriptedServices services;
  ferolan::WorkBase = WorkBase();
  ferolan::OutputPrefix = OutputPrefix();
  Outcome outcome;
  try {
    Module1::ConvertExport([kind] { return kind == Kind::kCasimir; });
  } catch (const RuntimeError& error) {
    outcome.error = error.Number();
    outcome.description = error.Description();
  }
  outcome.french = ReadIfThere(FrenchPath(kind));
  outcome.maths = ReadIfThere(MathsPath(kind));
  outcome.intermediate = ReadIfThere(WorkBase() + ".txt");
  outcome.messages = services.messages;
  return outcome;
}

std::optional<std::string> ConversionHarness::ReadIfThere(const std::string& path) {
  if (!Exists(path)) return std::nullopt;
  return ReadBytes(path);
}

}  // namespace ferolan::testing
