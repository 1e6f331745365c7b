// The work folders: private, locked while in use, and swept once their process has ended.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/runtime/FileLock.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/UniqueFd.h"
#include "platform/runtime/WorkFolder.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"
#include "tests/support/WorkFolders.h"

namespace ferolan {
namespace {

namespace fs = std::filesystem;
using testing::Exists;
using testing::ScopedEnv;
using testing::TempDir;
using testing::WorkFolders;
using testing::WriteBytes;

TEST(WorkFolderTest, AFreshPrivateFolderRemovedWithAllItHolds) {
  const TempDir elsewhere;
  const std::string sentinel = elsewhere / "temoin";
  WriteBytes(sentinel, "");
  const std::string plantedLink = WorkRootPath() + "/conversion-lien";
  std::string path;
  {
    const auto folder = WorkFolder::Create();
    path = folder->Path();
    EXPECT_EQ(fs::path(path).parent_path().parent_path(), WorkRootPath());
    EXPECT_TRUE(fs::is_empty(path));
    EXPECT_EQ(fs::status(WorkRootPath()).permissions(), fs::perms::owner_all);
    fs::create_directories(path + "/dossier/sous-dossier");
    WriteBytes(path + "/dossier/sous-dossier/eleves.xml", "<x/>");
    // Links in the folder and in the work root: removed or passed by, never followed.
    fs::create_directory_symlink(elsewhere.Path(), path + "/lien");
    fs::create_directory_symlink(elsewhere.Path(), plantedLink);
  }
  EXPECT_FALSE(Exists(fs::path(path).parent_path()));
  WorkFolder::Create();  // sweeps the root
  EXPECT_TRUE(Exists(sentinel));
  fs::remove(plantedLink);
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
  ASSERT_TRUE(TryLockExclusive(otherHolder.Get()));

  const auto next = WorkFolder::Create();
  EXPECT_TRUE(Exists(held->Path()));
  EXPECT_TRUE(Exists(root + "/conversion-tenu"));
  EXPECT_FALSE(Exists(root + "/conversion-abandonne"));
  EXPECT_FALSE(Exists(root + "/conversion-sans-verrou"));
  EXPECT_EQ(WorkFolders().size(), 3u);
  fs::remove_all(root + "/conversion-tenu");
}

// A sweep stopped half-way (SIGSTOP) holds the root's lock: the next request does not wait.
TEST(WorkFolderTest, ASweepUnderWayElsewhereHoldsNobodyUp) {
  WorkFolder::Create();
  const UniqueFd sweeper(::open((WorkRootPath() + "/.lock").c_str(), O_RDWR));
  ASSERT_TRUE(TryLockExclusive(sweeper.Get()));
  EXPECT_TRUE(Exists(WorkFolder::Create()->Path()));
}

// Root with another user's HOME: that user's cache stays theirs.
TEST(WorkFolderTest, NothingIsMadeInAnotherUsersFolder) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to own a folder for another user";
  const TempDir dir;
  const std::string home = dir / "eleve";
  fs::create_directory(home);
  ASSERT_EQ(::chown(home.c_str(), 65534, 65534), 0);
  const ScopedEnv cache("XDG_CACHE_HOME", std::nullopt);
  const ScopedEnv user("HOME", home);
  std::string said;
  try {
    WorkFolder::Create();
  } catch (const RuntimeError& error) {
    said = error.Description();
  }
  EXPECT_TRUE(said.starts_with("Le dossier de travail " + home +
                               "/.cache/ferolan serait créé dans " + home +
                               ", qui appartient à un autre utilisateur"))
      << said;
  EXPECT_TRUE(fs::is_empty(home));
}

}  // namespace
}  // namespace ferolan
