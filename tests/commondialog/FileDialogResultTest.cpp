// What comes back from the platform's file dialog into the properties.
#include <gtest/gtest.h>

#include "commondialog/GCommonDialog.h"
#include "commondialog/cCommonDialog.h"
#include "tests/commondialog/DialogScript.h"

namespace ferolan {
namespace {

using namespace std::string_literals;
using namespace winapi;
using testing::Fill;

TEST(FileDialogResultTest, AMultiSelectOpenKeepsTheWholeBufferForParseMultiFileName) {
  ScriptedWin32 platform;
  platform.fileDialogAnswers = {Fill("/e/ce2\0a.jad\0b.jad\0\0"s)};
  cCommonDialog dialog;
  dialog.flags(OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST);
  dialog.FileTitle("titre");
  dialog.ShowOpen();

  const auto& request = platform.openRequests.at(0);
  EXPECT_EQ(request.record.nMaxFile, 8192u);
  EXPECT_EQ(request.record.nMaxFileTitle, 8192u);
  EXPECT_EQ(request.fileTitle, "titre" + std::string(8192 - 5, '\0'));
  EXPECT_EQ(dialog.Filename().size(), 8192u);
  EXPECT_EQ(dialog.FileTitle(), "titre");

  std::string sDir;
  std::vector<std::string> sFiles;
  int32_t iFileCount = 0;
  dialog.ParseMultiFileName(sDir, sFiles, iFileCount);
  EXPECT_EQ(sDir, "/e/ce2");
  EXPECT_EQ(sFiles, (std::vector<std::string>{"a.jad", "b.jad"}));
  EXPECT_EQ(iFileCount, 2);
}

TEST(FileDialogResultTest, ASaveResultIsAlwaysCutAtTheFirstNul) {
  ScriptedWin32 platform;
  platform.fileDialogAnswers = {[](OPENFILENAMEA& ofn) {
    ofn.Flags |= OFN_ALLOWMULTISELECT;
    return Fill("/e/sortie.txt\0reste\0\0"s)(ofn);
  }};
  cCommonDialog dialog;
  dialog.ShowSave();
  EXPECT_EQ(dialog.Filename(), "/e/sortie.txt");
}

TEST(FileDialogResultTest, ReadOnlyIsSetByTheDialogButNeverCleared) {
  ScriptedWin32 platform;
  const auto answer = [](DWORD readOnly) {
    return [readOnly](OPENFILENAMEA& ofn) {
      ofn.Flags = (ofn.Flags & ~OFN_READONLY) | readOnly;
      return Fill("/e/x")(ofn);
    };
  };
  platform.fileDialogAnswers = {answer(OFN_READONLY), answer(0)};
  GCommonDialog worker;
  testing::OpenSettings settings;
  ASSERT_TRUE(settings.VBGetOpenFileName2(worker));
  EXPECT_TRUE(settings.ReadOnly);
  EXPECT_EQ(settings.flags, 0x1);
  ASSERT_TRUE(settings.VBGetOpenFileName2(worker));
  EXPECT_TRUE(settings.ReadOnly);
  EXPECT_EQ(platform.openRequests.at(1).record.Flags, OFN_READONLY);
  EXPECT_EQ(settings.flags, 0);
}

}  // namespace
}  // namespace ferolan
