// An export whose XML is compressed with Deflate64, converted as the same export stored or
// deflated is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted/ScriptedServices.h"
#include "tests/app/RequestFixture.h"
#include "tests/support/ExportBuilder.h"
#include "tests/zip/Deflate64Writer.h"

namespace ferolan::testing {
namespace {

class Deflate64ExportTest : public RequestFixture {};

TEST_F(Deflate64ExportTest, ConvertsToTheBytesOfTheSameExportStoredOrDeflated) {
  std::string records;
  for (int pupil = 1; pupil <= 400; ++pupil) {
    const std::string number = std::to_string(pupil);
    records += Record("ELEVE" + number + "--Prenom (" + number + ")",
                      pupil % 3 ? "FRACE2-2005" : "MATCE2-2005", number + "1190921");
  }
  const std::string xml = Export(records);
  // The two result files of the export, its XML compressed as `entry` says.
  const auto convert = [&](const std::string& suffix, ArchiveEntry entry) {
    const std::string base = Base("-" + suffix);
    entry.name = base + ".xml";
    entry.data = xml;
    ScriptedServices services;
    ConversionRequest request{[] { return true; }};
    EXPECT_EQ(request.ConvertChosenExport(MakeExport(base, {entry})), RequestOutcome::kConverted);
    request.RemoveWorkFolder();
    return std::vector<std::string>{ReadBytes(dir / (base + "1.c01")),
                                    ReadBytes(dir / (base + "2.c01"))};
  };
  const std::vector<std::string> stored = convert("stocke", {.stored = true});
  EXPECT_FALSE(stored[0].empty() || stored[1].empty());
  EXPECT_TRUE(convert("deflate", {}) == stored);
  EXPECT_TRUE(convert("deflate64", {.deflate64 = Deflate64(xml)}) == stored);
}

}  // namespace
}  // namespace ferolan::testing
