#include "engine/ResultWriter.h"

#include "engine/LineRouter.h"
#include "engine/RecordNumber.h"
#include "platform/runtime/FileSystem.h"
#include "platform/runtime/InputFile.h"
#include "platform/runtime/ReplacementFile.h"

namespace ferolan::Module1 {

namespace {

struct ResultFile {
  explicit ResultFile(const std::string& path) : file(path) {}

  void WriteNumbered(std::string_view body) {
    OutputFile& out = file.File();
    out.Write(RecordNumber(++count));
    out.WriteLine(body);
  }

  ReplacementFile file;
  long count = 0;
};

}  // namespace

void WriteResults(const std::string& intermediatePath, const std::string& outputPrefix,
                  const OutputKindQuery& option1Value) {
  {
    InputFile intermediate(intermediatePath);
    const bool casimir = option1Value();
    ResultFile french(outputPrefix + (casimir ? "1.c01" : "FR.txt"));
    ResultFile maths(outputPrefix + (casimir ? "2.c01" : "MATHS.txt"));
    maths.file.CheckDistinctFrom(french.file);

    LineRouter router;
    while (!intermediate.AtEnd()) {
      router.Start(option1Value());
      intermediate.ReadLine([&](std::string_view piece) { router.Feed(piece); });
      const RoutedLine line = router.Finish();
      if (line.target == Target::kFrench) french.WriteNumbered(line.body);
      if (line.target == Target::kMaths) maths.WriteNumbered(line.body);
    }
    // Both are complete before either is put in place: a failure leaves both earlier results.
    french.file.Complete();
    maths.file.Complete();
    ReplacementFile::PutInPlaceTogether(french.file, maths.file);
  }
  Kill(intermediatePath);
}

}  // namespace ferolan::Module1
