// The work folders: private, locked while in use, and swept once their process has ended.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/posix/FileLock.h"
#include "platform/posix/UniqueFd.h"
#include "platform/runtime/RuntimeError.h"
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

// Another user who can write the work root, or a folder on the way to it, could swap the
// request's folder under the paths the work files are reached by.
TEST(WorkFolderTest, AWorkRootOthersCanChangeIsRefused) {
  const struct {
    const char* name;
    const char* cache;    // XDG_CACHE_HOME, under the test's folder
    fs::perms rootMode;   // of the test's folder's "cache" folder
    fs::perms workMode;   // of the work root itself, made beforehand
    const char* refused;  // the folder the message names; null when accepted
  } table[] = {
      {"a work root writable by all", "cache", fs::perms(0755), fs::perms(0777), "cache/ferolan"},
      {"a work root writable by a group of others", "cache", fs::perms(0755), fs::perms(0770),
       "cache/ferolan"},
      {"a folder on the way writable by all", "cache", fs::perms(0777), fs::perms(0700), "cache"},
      {"a sticky folder on the way, the work root the user's", "cache", fs::perms(01777),
       fs::perms(0700), nullptr},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.name);
    const TempDir dir;
    fs::create_directory(dir / "cache");
    fs::create_directory(dir / "cache/ferolan");
    fs::permissions(dir / "cache", row.rootMode);
    fs::permissions(dir / "cache/ferolan", row.workMode);
    // The user's own private group would do no harm: the group is one of others (nogroup).
    if ((row.workMode & fs::perms::group_write) != fs::perms::none &&
        ::chown((dir / "cache/ferolan").c_str(), static_cast<uid_t>(-1), 65534) != 0) {
      continue;  // only root gives a folder to a group it is not in
    }
    const ScopedEnv cache("XDG_CACHE_HOME", dir / row.cache);
    std::string said;
    try {
      WorkFolder::Create();
    } catch (const RuntimeError& error) {
      said = error.Description();
    }
    if (row.refused == nullptr) {
      EXPECT_EQ(said, "");
      continue;
    }
    EXPECT_EQ(said, "Le dossier " + dir / row.refused +
                        " peut être modifié par d'autres utilisateurs : Ferolan n'y met pas ses "
                        "fichiers de travail. Retirez-leur ce droit (chmod go-w), ou désignez un "
                        "dossier à vous par XDG_CACHE_HOME.");
    EXPECT_TRUE(fs::is_empty(dir / "cache/ferolan"));
  }
}

}  // namespace
}  // namespace ferolan
