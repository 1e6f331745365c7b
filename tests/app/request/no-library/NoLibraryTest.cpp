// A request in a program whose folder holds no unzip library, as after a broken installation.
#include <gtest/gtest.h>

#include "platform/scripted/ScriptedServices.h"
#include "tests/app/RequestFixture.h"

namespace ferolan::testing {
namespace {

class NoLibraryTest : public RequestFixture {};

TEST_F(NoLibraryTest, AnErrorInTheExtractionRestoresThePointerAndTheNextRequestStartsClean) {
  ScriptedServices services;
  ConversionRequest request([] { return true; });
  const std::string path = MakeExport(Base(), SmallExportXml());
  for (int round = 1; round <= 2; ++round) {
    EXPECT_EQ(request.ConvertChosenExport(path), RequestOutcome::kFailed);
    // Each request makes its own archive object again, and ends with the default pointer.
    EXPECT_EQ(services.pointers, std::vector<int>(round, vbDefault));
  }
  const std::vector<ScriptedServices::Message> failed(
      2, {"Error: Fichier introuvable : libunzip32.so (libunzip32.so: cannot open shared object "
          "file: No such file or directory)",
          0, "Ferolan"});
  EXPECT_EQ(services.messages, failed);
}

}  // namespace
}  // namespace ferolan::testing
