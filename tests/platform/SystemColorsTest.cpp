// Colours as the platform's controls store them, translated through the system colours, and
// the screen's twips per pixel.
#include <gtest/gtest.h>

#include "platform/scripted/ScriptedWin32.h"
#include "platform/winapi/DeviceCaps.h"
#include "platform/winapi/SystemColors.h"

namespace ferolan {
namespace {

using namespace winapi;

TEST(SystemColorsTest, OleTranslateColorTakesColoursAndSystemColoursOnly) {
  ScriptedWin32 platform;
  const struct {
    OLE_COLOR color;
    HRESULT result;
    COLORREF translated;
  } cases[] = {
      {0x00123456, S_OK, 0x00123456},
      {0x00000000, S_OK, 0},
      {0x80000000, S_OK, ScriptedWin32::SystemColor(COLOR_SCROLLBAR)},
      {0x80000005, S_OK, ScriptedWin32::SystemColor(COLOR_WINDOW)},
      {0x8000001E, S_OK, ScriptedWin32::SystemColor(COLOR_MENUBAR)},
      {0x8000001F, E_INVALIDARG, 0xDEAD},  // past the last system colour
      {0x80010005, E_INVALIDARG, 0xDEAD},
      {0x01000005, E_INVALIDARG, 0xDEAD},  // a palette index: no palette here
      {0xFFFFFFFF, E_INVALIDARG, 0xDEAD},
  };
  for (const auto& c : cases) {
    COLORREF translated = 0xDEAD;
    EXPECT_EQ(OleTranslateColor(c.color, 0, &translated), c.result) << std::hex << c.color;
    EXPECT_EQ(translated, c.translated) << std::hex << c.color;
  }
  EXPECT_EQ(OleTranslateColor(0x80000005, 0, nullptr), S_OK);
}

TEST(SystemColorsTest, TwipsPerPixelFollowTheScreensResolution) {
  ScriptedWin32 platform;
  EXPECT_EQ(TwipsPerPixelY(), 15);
  platform.screenDpi = 120;
  EXPECT_EQ(TwipsPerPixelY(), 12);
  platform.screenDpi = 0;  // a screen that tells nothing
  EXPECT_EQ(TwipsPerPixelY(), 15);
}

}  // namespace
}  // namespace ferolan
