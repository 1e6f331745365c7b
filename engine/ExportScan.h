// Pass 1 of the conversion: reads the export forwards, finds every pupil record and writes one
// line per record into the intermediate file.
#pragma once

#include <string>
#include <string_view>

#include "engine/Module1.h"
#include "platform/runtime/InputFile.h"
#include "platform/runtime/OutputFile.h"

namespace ferolan::Module1 {

class ExportScan {
 public:
  // Opens the export, then creates or empties the intermediate file.
  ExportScan(const std::string& exportPath, const std::string& intermediatePath,
             const OutputKindQuery& option1Value);

  // Scans the whole export and closes the intermediate file.
  void Run();

 private:
  void ReadPupilName();
  void FindProtocolTag();
  void ReadProtocol();
  void FindCodesTag();
  void ReadCodes();

  // Reads on to the "<" that opens `tagText` and uses the tag up.
  void FindTag(std::string_view tagText);
  // Runs `write`, which writes one value into the intermediate file as it is read; if reading
  // fails, what it wrote is taken back, as if the value had been written only once complete.
  template <class Write>
  void WriteWholeValue(Write&& write);
  void WriteField(std::string_view text, std::size_t width);

  InputFile export_;
  OutputFile intermediate_;
  const OutputKindQuery& option1Value_;
  long recordCount_ = 0;
  // Buffers kept from record to record.
  std::string pupilText_;
  std::string spread_;
};

}  // namespace ferolan::Module1
