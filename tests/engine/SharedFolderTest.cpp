// Result files in a folder shared with other users (sticky and writable by all, as /tmp; or a
// class folder on a school server, writable by a group): nothing another user planted under a
// result name can redirect the results or leave one new result beside an old one.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/runtime/RuntimeError.h"
#include "tests/engine/ConversionHarness.h"
#include "tests/support/ExportBuilder.h"

namespace ferolan::testing {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kTeacher = 4242;
constexpr uid_t kOther = 4343;

// Runs as the teacher for as long as it lives; root takes its identity back afterwards.
class AsTeacher {
 public:
  AsTeacher() { EXPECT_EQ(::seteuid(kTeacher), 0); }
  ~AsTeacher() { EXPECT_EQ(::seteuid(0), 0); }
};

void Plant(const std::string& path, uid_t owner, const std::string& bytes) {
  WriteBytes(path, bytes);
  fs::permissions(path, fs::perms(0666));
  ASSERT_EQ(::lchown(path.c_str(), owner, owner), 0);
}

void PlantLink(const std::string& path, uid_t owner, const std::string& target) {
  fs::create_symlink(target, path);
  ASSERT_EQ(::lchown(path.c_str(), owner, owner), 0);
}

// Each name in the folder with what it holds, links as links.
std::vector<std::string> Listing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(
        entry.path().filename().string() + ":" +
        (fs::is_symlink(entry.symlink_status()) ? std::string("link") : ReadBytes(entry.path())));
  }
  std::sort(names.begin(), names.end());
  return names;
}

constexpr fs::perms kSticky = fs::perms(01777);
constexpr fs::perms kGroupShare = fs::perms(02775);  // the teacher writes it through root's group

TEST(SharedFolderTest, OnlyWhatTheTeacherCanTrustIsReplaced) {
  if (::geteuid() != 0) GTEST_SKIP() << "skipped: needs root to act as two users";
  const std::string xml =
      Export(Record("A--B (1)", "FRACE2-2005", "1") + Record("C--D (2)", "MATCE2-2005", "12"));
  const auto othersLink = [](auto& french, auto&, auto& own) { PlantLink(french, kOther, own); };
  const auto ownLink = [](auto& french, auto&, auto& own) { PlantLink(french, kTeacher, own); };
  const std::string converted = "01;A;B ;1\r\n";
  const struct {
    const char* name;
    fs::perms folderMode;
    std::function<void(const std::string& french, const std::string& maths, const std::string& own)>
        plant;
    long error;
    std::string own;  // what the teacher's own file holds afterwards
  } table[] = {
      {"another user's link to the teacher's file", kSticky, othersLink, kErrPermissionDenied,
       "own"},
      {"another user's link to nothing", kSticky,
       [](auto&, auto& maths, auto& own) { PlantLink(maths, kOther, own + ".new"); },
       kErrPermissionDenied, "own"},
      {"another user's file under the second name", kSticky,
       [](auto& french, auto& maths, auto&) {
         Plant(french, kTeacher, "earlier french");
         Plant(maths, kOther, "their maths");
       },
       kErrPermissionDenied, "own"},
      {"a link from one result to the other", kSticky,
       [](auto& french, auto& maths, auto&) {
         Plant(maths, kTeacher, "their maths");
         PlantLink(french, kTeacher, fs::path(maths).filename());
       },
       kErrPathFileAccess, "own"},
      {"the teacher's own link", kSticky, ownLink, 0, converted},
      {"another user's link in a group share", kGroupShare, othersLink, kErrPermissionDenied,
       "own"},
      {"the teacher's own link in a group share", kGroupShare, ownLink, 0, converted},
      {"another user's link in the teacher's own folder", fs::perms(0755), othersLink, 0,
       converted},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.name);
    ConversionHarness harness;
    const fs::path shared = fs::path(harness.OutputPrefix()).parent_path();
    fs::permissions(shared.parent_path(), fs::perms(0755));
    fs::permissions(shared.parent_path() / "program", fs::perms(0777));
    fs::permissions(shared, row.folderMode);
    if (row.folderMode == fs::perms(0755)) {
      ASSERT_EQ(::chown(shared.c_str(), kTeacher, 0), 0);
    }
    const std::string french = harness.FrenchPath(Kind::kText);
    const std::string maths = harness.MathsPath(Kind::kText);
    const fs::path home = shared.parent_path() / "home";
    fs::create_directory(home);
    ASSERT_EQ(::chown(home.c_str(), kTeacher, kTeacher), 0);
    const std::string own = (home / "own").string();
    Plant(own, kTeacher, "own");
    row.plant(french, maths, own);
    const std::vector<std::string> before = Listing(shared);

    Outcome outcome;
    {
      const AsTeacher teacher;
      outcome = harness.Convert(xml, Kind::kText);
    }
    EXPECT_EQ(outcome.error, row.error);
    EXPECT_EQ(ReadBytes(own), row.own);
    EXPECT_FALSE(Exists(own + ".new"));
    if (row.error == 0) continue;
    EXPECT_EQ(Listing(shared), before) << "the shared folder is as it was";
  }
}

}  // namespace
}  // namespace ferolan::testing
