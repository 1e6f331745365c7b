#include "engine/ResultWriter.h"

#include "engine/LineRouter.h"
#include "engine/RecordNumber.h"
#include "platform/runtime/FileSystem.h"
#include "platform/runtime/InputFile.h"
#include "platform/runtime/ResultPair.h"

namespace ferolan::Module1 {

namespace {

// A result file with its own line numbers, from 01.
class NumberedLines {
 public:
  explicit NumberedLines(OutputFile& file) : file_(file) {}

  void Write(std::string_view body) {
    file_.Write(RecordNumber(++count_));
    file_.WriteLine(body);
  }

 private:
  OutputFile& file_;
  long count_ = 0;
};

}  // namespace

ResultFiles ResultFileNames(const std::string& outputPrefix, bool casimir) {
  return {outputPrefix + (casimir ? "1.c01" : "FR.txt"),
          outputPrefix + (casimir ? "2.c01" : "MATHS.txt")};
}

void RecoverResults(const OutputKindQuery& option1Value) {
  ResultPair::Recover(ResultFileNames(OutputPrefix, option1Value()).french);
}

void WriteResults(const std::string& intermediatePath, const std::string& outputPrefix,
                  const OutputKindQuery& option1Value) {
  {
    InputFile intermediate(intermediatePath);
    const ResultFiles files = ResultFileNames(outputPrefix, option1Value());
    ResultPair results(files.french, files.maths);
    NumberedLines french(results.French());
    NumberedLines maths(results.Maths());

    LineRouter router;
    while (!intermediate.AtEnd()) {
      router.Start(option1Value());
      intermediate.ReadLine([&](std::string_view piece) { router.Feed(piece); });
      const RoutedLine line = router.Finish();
      if (line.target == Target::kFrench) french.Write(line.body);
      if (line.target == Target::kMaths) maths.Write(line.body);
    }
    results.Commit();
  }
  Kill(intermediatePath);
}

}  // namespace ferolan::Module1
