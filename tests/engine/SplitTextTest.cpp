#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "engine/Module1.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/TempDir.h"

namespace ferolan::Module1 {
namespace {

using ferolan::testing::TempDir;
using ferolan::testing::WriteBytes;

TEST(SplitTextTest, CutsAsTheEngineNeeds) {
  const struct {
    const char* text;
    const char* separator;
    bool beforeLast;
    const char* expected;
  } table[] = {
      {"MARTIN--Paul (1)", "(", true, "MARTIN--Paul "},
      {"MARTIN--Paul ", "--", true, "MARTIN"},
      {"MARTIN--Paul ", "-", false, "-Paul "},
      {"MARTIN--Paul ", "--", false, "-Paul "},  // one byte of a longer separator is skipped
      {"A-B--C--D ", "--", true, "A-B--C"},
      {"no parenthesis", "(", true, ""},
      {"(starts with it", "(", true, ""},
      {"no hyphen", "-", false, ""},
      {"ends with it-", "-", false, ""},
      {"a|b|c|d", "|", true, "a|b|c"},
      {"Case", "c", true, ""},
      {"anything", "", true, ""},
  };
  for (const auto& row : table) {
    EXPECT_EQ(SplitText(row.text, row.separator, row.beforeLast), row.expected)
        << row.text << " / " << row.separator;
  }
}

long SplitError(std::size_t position, bool beforeLast) {
  const std::string text = std::string(position - 1, 'x') + "|" + "tail";
  return ferolan::testing::ErrorNumberOf([&] { SplitText(text, "|", beforeLast); });
}

TEST(SplitTextTest, PositionsOverflowAtTheSixteenBitBounds) {
  EXPECT_EQ(SplitError(32767, true), 0);
  EXPECT_EQ(SplitError(32768, true), kErrOverflow);
  EXPECT_EQ(SplitError(32766, false), 0);
  EXPECT_EQ(SplitError(32767, false), kErrOverflow);
  EXPECT_EQ(SplitError(70000, true), kErrOverflow);
}

TEST(FileCanBeOpenedTest, TrueOnlyForFilesThatCanBeRead) {
  TempDir dir;
  WriteBytes(dir / "export.jad", "PK");
  WriteBytes(dir / "readonly.jad", "PK");
  ::chmod((dir / "readonly.jad").c_str(), 0444);
  EXPECT_TRUE(FileCanBeOpened(dir / "export.jad"));
  EXPECT_TRUE(FileCanBeOpened(dir / "readonly.jad"));
  EXPECT_FALSE(FileCanBeOpened(dir / "missing.jad"));
  EXPECT_FALSE(FileCanBeOpened(dir.Path().string()));
  EXPECT_FALSE(FileCanBeOpened(dir / "export.jad/inside"));
  EXPECT_FALSE(FileCanBeOpened(""));
  // A FIFO without a writer would wait for ever if it were opened.
  ASSERT_EQ(::mkfifo((dir / "fifo.jad").c_str(), 0600), 0);
  EXPECT_FALSE(FileCanBeOpened(dir / "fifo.jad"));
  EXPECT_FALSE(FileCanBeOpened("/dev/null"));
}

}  // namespace
}  // namespace ferolan::Module1
