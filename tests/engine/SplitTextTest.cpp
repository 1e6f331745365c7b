#include <gtest/gtest.h>

#include <string>

#include "engine/Module1.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/support/ErrorNumber.h"

namespace ferolan::Module1 {
namespace {

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

}  // namespace
}  // namespace ferolan::Module1
