// Whether an export can be opened, on POSIX's own kinds of files (Windows has a table of its
// own in the platform's tests).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "engine/Module1.h"
#include "tests/support/TempDir.h"

namespace ferolan::Module1 {
namespace {

using ferolan::testing::TempDir;
using ferolan::testing::WriteBytes;

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
