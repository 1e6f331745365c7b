// The work folders: private, locked while in use, and swept once their process has ended.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/runtime/FileLock.h"
#include "platform/runtime/WorkFolder.h"
#include "tests/support/TempDir.h"
#include "tests/support/WorkFolders.h"

namespace ferolan {
namespace {

namespace fs = std::filesystem;
using testing::Exists;
using testing::WorkFolders;
using testing::WriteBytes;

TEST(WorkFolderTest, AFreshPrivateFolderRemovedWithAllItHolds) {
  std::string path;
  {
    const auto folder = WorkFolder::Create();
    path = folder->Path();
    EXPECT_EQ(fs::path(path).parent_path(), WorkRootPath());
    EXPECT_EQ(fs::status(WorkRootPath()).permissions(), fs::perms::owner_all);
    fs::create_directories(path + "/dossier/sous-dossier");
    WriteBytes(path + "/dossier/sous-dossier/eleves.xml", "<x/>");
    fs::create_directory_symlink("/tmp", path + "/lien");  // removed, never followed
  }
  EXPECT_FALSE(Exists(path));
  EXPECT_TRUE(Exists("/tmp"));
}

// Folders left by processes that ended go at the next request; one whose lock is held stays,
// whoever holds it.
TEST(WorkFolderTest, OnlyFoldersNobodyHoldsAreSwept) {
  const auto held = WorkFolder::Create();
  const std::string root = WorkRootPath();
  fs::create_directory(root + "/conversion-abandonne");
  WriteBytes(root + "/conversion-abandonne/.lock", "");
  fs::create_directory(root + "/conversion-sans-verrou");
  fs::create_directory(root + "/conversion-tenu");
  WriteBytes(root + "/conversion-tenu/.lock", "");
  const UniqueFd otherHolder(::open((root + "/conversion-tenu/.lock").c_str(), O_RDWR));
  ASSERT_TRUE(LockExclusive(otherHolder.Get(), LockWait::kNo));

  const auto next = WorkFolder::Create();
  EXPECT_TRUE(Exists(held->Path()));
  EXPECT_TRUE(Exists(root + "/conversion-tenu"));
  EXPECT_FALSE(Exists(root + "/conversion-abandonne"));
  EXPECT_FALSE(Exists(root + "/conversion-sans-verrou"));
  EXPECT_EQ(WorkFolders().size(), 3u);
  fs::remove_all(root + "/conversion-tenu");
}

}  // namespace
}  // namespace ferolan
