// Built twice, as LOADING_TEST: beside no unzip library at all, and beside one that lacks the
// entry point; EXPECTED_LOADING_ERROR is the error that each must raise.
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
  auto zip = std::make_shared<ccZip>();

  EXPECT_EQ(ErrorNumberOf([&] { zip->Init(archive); }), EXPECTED_LOADING_ERROR);
  EXPECT_EQ(zip->Name(), archive);
  ASSERT_NE(zip->Col(), nullptr);
  EXPECT_EQ(zip->count(), 0);
  EXPECT_EQ(zip->Level(), 0);
  EXPECT_TRUE(mZipDLLProc::m_bCollect);

  EXPECT_EQ(ErrorNumberOf([&] { zip->Decompress(dir.Path().string(), ""); }),
            EXPECTED_LOADING_ERROR);
}

}  // namespace
}  // namespace ferolan::testing
