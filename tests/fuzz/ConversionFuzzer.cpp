// Both passes of the conversion on arbitrary export bytes, in the output kind the first byte
// chooses. A run-time error is an expected outcome; anything the sanitizers see is a finding.
#include <cstddef>
#include <cstdint>

#include "engine/ExportScan.h"
#include "engine/ResultWriter.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/fuzz/Scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ferolan;
  if (size == 0) return 0;
  static const fuzzing::Scratch scratch;
  const bool casimir = (data[0] & 1) != 0;
  const Module1::OutputKindQuery option1Value = [casimir] { return casimir; };
  const std::string exportPath = scratch.Write("export.xml", data + 1, size - 1);
  try {
    Module1::ExportScan(exportPath, scratch / "work.txt", option1Value).Run();
    Module1::WriteResults(scratch / "work.txt", scratch / "classe", option1Value);
  } catch (const RuntimeError&) {
  }
  return 0;
}
