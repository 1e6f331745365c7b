// A request in a program whose folder holds no unzip library, as after a broken installation.
#include <gtest/gtest.h>

#include "platform/runtime/SharedLibrary.h"
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
  // The library named as the system names it, and why the system's loader could not load it.
  ASSERT_EQ(services.messages.size(), 2u);
  for (const ScriptedServices::Message& message : services.messages) {
    EXPECT_TRUE(message.text.starts_with("Error: Fichier introuvable : " +
                                         LibraryFileName("unzip32") + " ("))
        << message.text;
    EXPECT_EQ(message, services.messages.front());
  }
}

}  // namespace
}  // namespace ferolan::testing
