// Pass 2 of the conversion on arbitrary intermediate files, beyond the lines pass 1 writes:
// line breaks copied from export values reach it too. The first byte chooses the output kind.
#include <cstddef>
#include <cstdint>

#include "engine/ResultWriter.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/fuzz/Scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ferolan;
  if (size == 0) return 0;
  static const fuzzing::Scratch scratch;
  const bool casimir = (data[0] & 1) != 0;
  const Module1::OutputKindQuery option1Value = [casimir] { return casimir; };
  const std::string intermediate = scratch.Write("work.txt", data + 1, size - 1);
  try {
    Module1::WriteResults(intermediate, scratch / "classe", option1Value);
  } catch (const RuntimeError&) {
  }
  return 0;
}
