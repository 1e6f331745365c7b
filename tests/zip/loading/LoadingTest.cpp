// Built twice, as LOADING_TEST: beside no zip library at all, and beside libraries that lack
// entry points; EXPECTED_LOADING_ERROR is the error that each must raise on the unzip side, and
// EXPECTED_ADD_FILE_RESULT the result of the last zip call that could be made.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/scripted/ScriptedServices.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/TempDir.h"
#include "zip/ccZip.h"

namespace ferolan::testing {
namespace {

TEST(LOADING_TEST, InitAndDecompressRaiseTheLoadingError) {
  ScriptedServices services;
  TempDir dir;
  const std::string archive = dir / "classe.jad";
  WriteBytes(archive, "any bytes: the library is needed before they are read");
  auto zip = ccZip::Create();

  EXPECT_EQ(ErrorNumberOf([&] { zip->Init(archive); }), EXPECTED_LOADING_ERROR);
  EXPECT_EQ(zip->Name(), archive);
  ASSERT_NE(zip->Col(), nullptr);
  EXPECT_EQ(zip->count(), 0);
  EXPECT_EQ(zip->Level(), 0);
  EXPECT_TRUE(mZipDLLProc::m_bCollect);

  EXPECT_EQ(ErrorNumberOf([&] { zip->Decompress(dir.Path().string(), ""); }),
            EXPECTED_LOADING_ERROR);
}

TEST(LOADING_TEST, AddFileRaisesNothingAndReturnsTheLastResultItGot) {
  ScriptedServices services;
  TempDir dir;
  WriteBytes(dir / "eleves.txt", "a file to add");
  auto zip = ccZip::Create();
  zip->Init(dir / "classe.zip");

  EXPECT_EQ(zip->AddFile(dir / "eleves.txt", false, false), EXPECTED_ADD_FILE_RESULT);
  EXPECT_FALSE(mZipDLLProc::m_bCollect);
  EXPECT_FALSE(Exists(dir / "classe.zip"));
}

}  // namespace
}  // namespace ferolan::testing
