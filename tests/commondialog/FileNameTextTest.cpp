// The text work around the file dialogs: filter entries, cutting at NUL, file titles and the
// splitting of a multi-select result.
#include <gtest/gtest.h>

#include <cstdint>

#include "commondialog/GCommonDialog.h"
#include "commondialog/cCommonDialog.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/support/ErrorNumber.h"

namespace ferolan {
namespace {

using namespace std::string_literals;
using testing::ErrorNumberOf;

TEST(FileNameTextTest, FilterEntryGivesDescriptionNulPatternAtAnIndex) {
  const std::string filter = "A (*.a)\0*.a\0B\0*.b;*.c\0\0"s;
  const struct {
    std::string filter;
    int32_t index;
    std::string entry;
  } cases[] = {
      {filter, 1, "A (*.a)\0*.a"s},
      {filter, 2, "B\0*.b;*.c"s},
      {filter, 3, ""},
      {filter, 0, ""},
      {filter, -1, ""},
      {filter, INT32_MIN, ""},  // counting down from it would overflow
      {"", 1, ""},
      {"A\0*.a"s, 1, ""},  // no NUL closes the pattern
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GCommonDialog::FilterEntry(c.filter, c.index), c.entry) << c.index;
  }
}

TEST(FileNameTextTest, CutAtNulKeepsTheTextBeforeItsFirstNul) {
  EXPECT_EQ(GCommonDialog::CutAtNul("/e/ce2.jad\0\0rest"s), "/e/ce2.jad");
  EXPECT_EQ(GCommonDialog::CutAtNul("sans fin"), "sans fin");
  EXPECT_EQ(GCommonDialog::CutAtNul("\0x"s), "");
}

TEST(FileNameTextTest, VBGetFileTitleGivesTheNamePartOrNothing) {
  const GCommonDialog worker;
  EXPECT_EQ(worker.VBGetFileTitle("/home/prof/ce2.jad"), "ce2.jad");
  EXPECT_EQ(worker.VBGetFileTitle("ce2.jad"), "ce2.jad");
  EXPECT_EQ(worker.VBGetFileTitle("/home/prof/"), "");
  EXPECT_EQ(worker.VBGetFileTitle(""), "");
  EXPECT_EQ(worker.VBGetFileTitle("/" + std::string(300, 'n')), "");  // longer than 260
}

struct ParseCase {
  const char* name;
  std::string filename;
  std::string dirIn;
  std::string dir;
  std::vector<std::string> files;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class ParseMultiFileNameTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseMultiFileNameTest, SplitsFilename) {
  const ParseCase& c = GetParam();
  cCommonDialog dialog;
  dialog.Filename(c.filename);
  std::string sDir = c.dirIn;
  std::vector<std::string> sFiles;
  int32_t iFileCount = 0;
  dialog.ParseMultiFileName(sDir, sFiles, iFileCount);
  EXPECT_EQ(sDir, c.dir);
  EXPECT_EQ(sFiles, c.files);
  EXPECT_EQ(iFileCount, static_cast<int32_t>(c.files.size()));
}

const std::string kTail(100, '\0');

INSTANTIATE_TEST_SUITE_P(
    Names, ParseMultiFileNameTest,
    ::testing::Values(
        ParseCase{"FolderAndNames", "/a\0x\0y"s + kTail, "", "/a", {"x", "y"}},
        ParseCase{"OneFileInAMultiSelectBuffer", "/a/x"s + kTail, "", "", {"/a/x"}},
        ParseCase{
            "WithAFolderGivenEveryPieceIsAFile", "/a\0x\0y"s + kTail, "/b", "/b", {"/a", "x", "y"}},
        ParseCase{"EmptyList", kTail, "", "", {}},
        ParseCase{"PlainPath", "/home/prof/ce2.jad", "", "/home/prof", {"ce2.jad"}},
        ParseCase{"NoSeparator", "ce2.jad", "", "", {"ce2.jad"}},
        ParseCase{"OnlyALeadingSeparator", "/ce2.jad", "", "", {"/ce2.jad"}},
        ParseCase{"EmptyName", "", "x", "", {""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileNameTextTest, ANegativeCountIsRefusedInsteadOfIndexingBeforeTheArray) {
  cCommonDialog dialog;
  dialog.Filename("/a\0x\0\0"s);
  std::string sDir;
  std::vector<std::string> sFiles;
  int32_t iFileCount = -1;
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ParseMultiFileName(sDir, sFiles, iFileCount); }),
            kErrInvalidArgument);
}

}  // namespace
}  // namespace ferolan
