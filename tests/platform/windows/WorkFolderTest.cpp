// What differs on Windows: folders kept by open handles rather than by locks, and junctions and
// symbolic links met by the removal.
#include "platform/runtime/WorkFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/runtime/RuntimeError.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using testing::Exists;
using testing::TempDir;
using testing::WriteBytes;

namespace fs = std::filesystem;

// The request's folder, which holds the lock and the folder of its files.
fs::path RequestFolder(const WorkFolder& work) { return fs::path(work.Path()).parent_path(); }

bool IsLink(const fs::path& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// Wine, 8 and 10 alike, makes neither: it says it made a symbolic link and makes none, and it
// refuses to make a junction (ERROR_NOT_SUPPORTED). The tests that need one are skipped there.
bool MakeFolderLink(const fs::path& link, const fs::path& target) {
  return ::CreateSymbolicLinkW(
             link.c_str(), target.c_str(),
             SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != 0 &&
         IsLink(link);
}

TEST(WindowsWorkFolderTest, ALiveFolderSurvivesAnotherSweepAndCannotBeRemoved) {
  const auto live = WorkFolder::Create();
  const fs::path folder = RequestFolder(*live);
  WriteBytes(live->Path() + "\\file", "x");

  const auto next = WorkFolder::Create();  // sweeps
  EXPECT_TRUE(Exists(live->Path() + "\\file"));
  EXPECT_EQ(::RemoveDirectoryW(folder.c_str()), 0);
  EXPECT_EQ(::MoveFileW(folder.c_str(), (folder.native() + L"-moved").c_str()), 0);
  EXPECT_EQ(::DeleteFileW((folder / ".lock").c_str()), 0);
}

TEST(WindowsWorkFolderTest, AFolderLeftByAnEndedRunIsSwept) {
  const fs::path left = fs::path(WorkRootPath()) / "conversion-left";
  fs::create_directories(left / "extraction" / "inner");
  WriteBytes((left / "extraction" / "inner" / "file").string(), "x");

  const auto work = WorkFolder::Create();
  EXPECT_FALSE(Exists(left.string()));
}

TEST(WindowsWorkFolderTest, ALinkInsideIsRemovedWithoutWhatItPointsTo) {
  const TempDir outside;
  WriteBytes(outside / "kept", "x");
  std::string folder;
  {
    const auto work = WorkFolder::Create();
    folder = RequestFolder(*work).string();
    if (!MakeFolderLink(fs::path(work->Path()) / "link", outside.Path())) {
      GTEST_SKIP() << "this system makes no symbolic link to a folder";
    }
  }
  EXPECT_FALSE(Exists(folder));
  EXPECT_TRUE(Exists(outside / "kept"));
}

// Puts what `make` makes in the work root's place; refused as `text` says.
void ExpectRootRefused(bool (*make)(const fs::path& root, const fs::path& outside),
                       const char* text) {
  const TempDir outside;
  const fs::path root = WorkRootPath();
  fs::create_directories(root.parent_path());
  std::error_code ec;
  fs::remove_all(root, ec);
  if (!make(root, outside.Path())) {
    fs::create_directory(root);
    GTEST_SKIP() << "this system makes no symbolic link to a folder";
  }
  try {
    WorkFolder::Create();
    ADD_FAILURE() << "accepted";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), kErrPathFileAccess);
    EXPECT_NE(error.Description().find(text), std::string::npos) << error.Description();
  }
  ::RemoveDirectoryW(root.c_str());
  ::DeleteFileW(root.c_str());
  fs::create_directory(root);
}

TEST(WindowsWorkFolderTest, ARootThatIsAFileIsRefused) {
  ExpectRootRefused(
      [](const fs::path& root, const fs::path&) {
        WriteBytes(root.string(), "x");
        return true;
      },
      "n'est pas un dossier");
}

TEST(WindowsWorkFolderTest, ARootThatIsALinkIsRefused) {
  ExpectRootRefused([](const fs::path& r, const fs::path& o) { return MakeFolderLink(r, o); },
                    "est un lien symbolique");
}

}  // namespace
}  // namespace ferolan
