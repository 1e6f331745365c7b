// The conversion on arbitrary bytes. Bit 0 of the first byte chooses the output kind; bit 1
// gives the rest to pass 2 as an intermediate file (line breaks copied from export values reach
// it too), otherwise to pass 1 as an export, followed by pass 2. A run-time error is an
// expected outcome; anything the sanitizers see is a finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/ExportScan.h"
#include "engine/ResultWriter.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/support/TempDir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ferolan;
  if (size == 0) return 0;
  static const testing::TempDir scratch;
  const bool casimir = (data[0] & 1) != 0;
  const bool intermediateOnly = (data[0] & 2) != 0;
  const Module1::OutputKindQuery option1Value = [casimir] { return casimir; };
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string intermediate = scratch / "work.txt";
  try {
    if (intermediateOnly) {
      testing::WriteBytes(intermediate, bytes);
    } else {
      testing::WriteBytes(scratch / "export.xml", bytes);
      Module1::ExportScan(scratch / "export.xml", intermediate, option1Value).Run();
    }
    Module1::WriteResults(intermediate, scratch / "classe", option1Value);
  } catch (const RuntimeError&) {
  }
  return 0;
}
