// Listing folders from descriptors.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/posix/FolderAt.h"
#include "platform/posix/UniqueFd.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using testing::TempDir;
using testing::WriteBytes;

TEST(FileTreeTest, AFolderListedTwiceThroughOneDescriptorShowsAllItsNamesTwice) {
  const TempDir dir;
  WriteBytes(dir / "conversion-a", "");
  WriteBytes(dir / "autre", "");
  const UniqueFd folder(::open(dir.Path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  const std::vector<std::string> expected = {"conversion-a"};
  EXPECT_EQ(NamesStartingWith(folder.Get(), "conversion-"), expected);
  EXPECT_EQ(NamesStartingWith(folder.Get(), "conversion-"), expected);
}

}  // namespace
}  // namespace ferolan
