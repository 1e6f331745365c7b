// The wildcards that ferolan-convert expands itself on Windows, where the shell does not.
#include "app/convert/windows/Wildcards.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

namespace ferolan::console {
namespace {

namespace fs = std::filesystem;

TEST(WildcardsTest, MatchesAsWindowsComparesNames) {
  const struct {
    const wchar_t* pattern;
    const wchar_t* name;
    bool matches;
  } table[] = {
      {L"*.jad", L"CE2-A.jad", true},
      {L"*.JAD", L"ce2-a.jad", true},
      {L"*.jad", L"notes.jade", false},
      {L"*.jad", L"jad", false},
      {L"?.jad", L"\u00e9.jad", true},
      {L"?.jad", L"\U0001F600.jad", true},  // one character, two UTF-16 units
      {L"?.jad", L"ab.jad", false},
      {L"a*b*c", L"axbxbyc", true},
      {L"a*b*c", L"axbxby", false},
      {L"*", L"x", true},
  };
  for (const auto& row : table) {
    EXPECT_EQ(MatchesWildcard(row.pattern, row.name), row.matches)
        << fs::path(row.pattern) << " " << fs::path(row.name);
  }
}

class WildcardsFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_ / L"sous.jad");
    for (const wchar_t* name :
         {L"b.jad", L"A.jad", L"\u00e9l\u00e8ves.jad", L"notes.jade", L".cache.jad", L"z.txt"}) {
      std::ofstream(folder_ / name) << "x";
    }
    fs::current_path(folder_.parent_path());
  }
  void TearDown() override {
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(folder_);
  }

  const fs::path folder_ =
      fs::temp_directory_path() / ("jokers-" + std::to_string(GetCurrentProcessId())) / L"d";
};

TEST_F(WildcardsFolderTest, FilesAreSortedAndJoinedToTheFolderAsTyped) {
  const struct {
    const wchar_t* argument;
    std::vector<std::string> expanded;
  } table[] = {
      {L"d\\*.jad", {"d\\A.jad", "d\\b.jad", "d\\\u00e9l\u00e8ves.jad"}},
      {L"d/?.JAD", {"d/A.jad", "d/b.jad"}},
      {L"d\\.*", {"d\\.cache.jad"}},
      {L"d\\*.doc", {"d\\*.doc"}},  // no match: as typed, for the message that names it
      {L"d\\z.txt", {"d\\z.txt"}},
      {L"d*\\z.txt", {"d*\\z.txt"}},  // no wildcard in the folder part
  };
  for (const auto& row : table) {
    EXPECT_EQ(ExpandWildcards(row.argument), row.expanded) << fs::path(row.argument);
  }
}

}  // namespace
}  // namespace ferolan::console
