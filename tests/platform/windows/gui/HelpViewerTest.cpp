// The help viewer: HTML shown as its text, and the commands of WinHelpA on a file.
#include <gtest/gtest.h>

#include <string>

#include "platform/winapi/Help.h"
#include "platform/winapi/LastError.h"
#include "platform/windows/gui/SystemWin32Services.h"
#include "tests/support/TempDir.h"

#include <windows.h>

#include "platform/windows/WideNames.h"
#include "platform/windows/gui/HelpText.h"
#include "platform/windows/gui/HelpViewer.h"

namespace ferolan::windows {
namespace {

using testing::TempDir;
using testing::WriteBytes;

TEST(HelpTextTest, HtmlShowsAsItsTextWithLineBreaks) {
  const struct {
    const char* html;
    const char* text;
  } cases[] = {
      {"<html><head><title>Aide</title></head><body>Un   deux\ntrois</body></html>",
       "Un deux trois\r\n"},
      {"<p>Un</p><p>Deux<br>trois</p>", "Un\r\n\r\nDeux\r\ntrois\r\n"},
      {"<ul><li>un</li><li>deux</li></ul>", "un\r\ndeux\r\n"},
      {"&lt;b&gt; &amp; &eacute;t&#233; &#xE9; &inconnu;",
       "<b> & \xC3\xA9t\xC3\xA9 \xC3\xA9 &inconnu;\r\n"},
      {"a<!-- <p>cach\xC3\xA9</p> -->b<script>x<y</script>c", "abc\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HelpTextOf({0, true, c.html}).text, c.text) << c.html;
  }
  EXPECT_EQ(HelpTextOf({0, false, "un\nde<b>ux\rtrois"}).text, "un\r\nde<b>ux\r\ntrois");
}

TEST(HelpTextTest, AnchorsAreWhereTheirTextStarts) {
  const HelpText shown =
      HelpTextOf({0, true, "<p>Un</p><a name=\"12\">Deux</a><h2 id='fin'>Fin</h2>"});
  EXPECT_EQ(shown.text.substr(shown.anchors.at("12"), 4), "Deux");
  EXPECT_EQ(shown.text.substr(shown.anchors.at("fin"), 3), "Fin");
}

class WinHelpTest : public ::testing::Test {
 protected:
  // The viewer of the file, if exactly one is open.
  HelpViewer* ViewerOf(const std::string& file) {
    const std::vector<HelpViewer*> viewers = HelpViewer::ViewersOf(nullptr, Utf16Of(file));
    return viewers.size() == 1 ? viewers.front() : nullptr;
  }

  SystemWin32Services services;
  TempDir folder;
};

TEST_F(WinHelpTest, KeySelectsTheFirstOccurrenceAndQuitCloses) {
  const std::string file = folder / "aide.txt";
  WriteBytes(file, "Sommaire\nConversion des fichiers\nFichiers reconnus\n");
  ASSERT_TRUE(
      winapi::WinHelpA(0, file.c_str(), HELP_KEY, reinterpret_cast<winapi::ULONG_PTR>("FICHIERS")));
  HelpViewer* viewer = ViewerOf(file);
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(::IsWindowVisible(viewer->Window()));
  wchar_t title[16] = {};
  ::GetWindowTextW(viewer->Window(), title, 16);
  EXPECT_STREQ(title, L"Aide");
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(viewer->Text(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 25u);  // "Sommaire\r\nConversion des "
  EXPECT_EQ(end, 33u);

  // The same file shows in the same viewer.
  ASSERT_TRUE(winapi::WinHelpA(0, file.c_str(), HELP_CONTENTS, 0));
  EXPECT_EQ(ViewerOf(file), viewer);
  ASSERT_TRUE(winapi::WinHelpA(0, file.c_str(), HELP_QUIT, 0));
  EXPECT_TRUE(HelpViewer::ViewersOf(nullptr, {}).empty());
}

TEST_F(WinHelpTest, WhatCannotBeShownSetsTheLastError) {
  const std::string missing = folder / "absente.txt";
  const struct {
    winapi::HWND owner;
    winapi::UINT command;
    winapi::DWORD error;
  } cases[] = {
      {0, HELP_CONTENTS, ERROR_FILE_NOT_FOUND},
      {0, 0x7777, ERROR_INVALID_PARAMETER},
      {0, HELP_SETWINPOS, ERROR_INVALID_PARAMETER},
      {0x1234, HELP_CONTENTS, ERROR_INVALID_WINDOW_HANDLE},
  };
  for (const auto& c : cases) {
    winapi::SetLastError(0);
    EXPECT_FALSE(winapi::WinHelpA(c.owner, missing.c_str(), c.command, 0)) << c.command;
    EXPECT_EQ(winapi::GetLastError(), c.error) << c.command;
  }
}

}  // namespace
}  // namespace ferolan::windows
