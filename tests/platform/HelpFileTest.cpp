// Reading a help file: its kind by its name, and the system codes of the files it cannot show.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/winapi/HelpFile.h"
#include "platform/winapi/LastError.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using namespace std::string_literals;
using namespace winapi;
using testing::TempDir;
using testing::WriteBytes;

TEST(HelpFileTest, HtmlByItsExtensionAnyOtherNameIsText) {
  TempDir folder;
  const struct {
    const char* name;
    bool html;
  } cases[] = {{"aide.html", true},
               {"AIDE.HTM", true},
               {"aide.txt", false},
               {"aide", false},
               {"aide.html.txt", false}};
  for (const auto& c : cases) {
    WriteBytes(folder / c.name, "<p>Aide</p>\r\n");
    const HelpFile file = ReadHelpFile(folder / c.name);
    EXPECT_EQ(file.error, 0u) << c.name;
    EXPECT_EQ(file.html, c.html) << c.name;
    EXPECT_EQ(file.bytes, "<p>Aide</p>\r\n") << c.name;
  }
}

TEST(HelpFileTest, FilesThatCannotBeShownGiveTheirSystemCode) {
  TempDir folder;
  WriteBytes(folder / "aide.hlp", "?_\0\3binaire"s);
  std::filesystem::create_directory(folder / "dossier.html");
  const struct {
    std::string path;
    DWORD error;
  } cases[] = {
      {folder / "absente.html", ERROR_FILE_NOT_FOUND},
      {folder / "absent/aide.html", ERROR_PATH_NOT_FOUND},
      {folder / "aide.hlp/aide.html", ERROR_PATH_NOT_FOUND},
      {"", ERROR_FILE_NOT_FOUND},
      {folder / "dossier.html", ERROR_ACCESS_DENIED},
      {folder / "aide.hlp", ERROR_BAD_FORMAT},
  };
  for (const auto& c : cases) {
    const HelpFile file = ReadHelpFile(c.path);
    EXPECT_EQ(file.error, c.error) << c.path;
    EXPECT_TRUE(file.bytes.empty()) << c.path;
  }
}

}  // namespace
}  // namespace ferolan
