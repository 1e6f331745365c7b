// The CHOOSEFONTA and LOGFONTA records that ShowFont builds from the font object and the
// properties, and the chosen font written back, against a scripted platform dialog.
#include <gtest/gtest.h>

#include <cstring>

#include "commondialog/cCommonDialog.h"
#include "commondialog/mDialogHook.h"
#include "tests/commondialog/DialogScript.h"
#include "tests/support/ErrorNumber.h"

namespace ferolan {
namespace {

using namespace std::string_literals;
using namespace winapi;
using testing::ErrorNumberOf;

struct FontFlagsCase {
  const char* name;
  int32_t flags, FontColor, Min, Max;
  bool hook;
  DWORD recordFlags;
  int32_t flagsAfterCancel;
};

void PrintTo(const FontFlagsCase& c, std::ostream* os) { *os << c.name; }

class FontFlagsTest : public ::testing::TestWithParam<FontFlagsCase> {};

TEST_P(FontFlagsTest, TheWorkerAddsAndClearsBitsThatStayInFlags) {
  const FontFlagsCase& c = GetParam();
  ScriptedWin32 platform;
  cCommonDialog dialog;
  dialog.flags(c.flags);
  dialog.FontColor(c.FontColor);
  dialog.Min(c.Min);
  dialog.Max(c.Max);
  dialog.HookDialog(c.hook);
  dialog.ShowFont();

  const CHOOSEFONTA& record = platform.fontRequests.at(0).record;
  EXPECT_EQ(record.Flags, c.recordFlags);
  EXPECT_EQ(record.lpfnHook, c.hook ? mDialogHook::HookProc6 : nullptr);
  EXPECT_EQ(record.hDC, 0);
  EXPECT_EQ(record.rgbColors, static_cast<COLORREF>(c.FontColor));
  EXPECT_EQ(record.nSizeMin, c.Min);
  EXPECT_EQ(record.nSizeMax, c.Max);
  EXPECT_EQ(dialog.flags(), c.flagsAfterCancel);
}

constexpr DWORD kAlways = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;

INSTANTIATE_TEST_SUITE_P(
    Flags, FontFlagsTest,
    ::testing::Values(FontFlagsCase{"Plain", 0, 0, 0, 0, false, kAlways, kAlways},
                      FontFlagsCase{"ClearedBits", 0x218 | 0x4, 0, 0, 0, false, kAlways | 0x4,
                                    kAlways | 0x4},
                      FontFlagsCase{"ColourAddsEffects", 0, 0xFF, 0, 0, false, kAlways | CF_EFFECTS,
                                    kAlways | CF_EFFECTS},
                      FontFlagsCase{"MinLimitsSize", 0, 0, 8, 0, false, kAlways | CF_LIMITSIZE,
                                    kAlways | CF_LIMITSIZE},
                      FontFlagsCase{"MaxLimitsSize", 0, 0, 0, 20, false, kAlways | CF_LIMITSIZE,
                                    kAlways | CF_LIMITSIZE},
                      FontFlagsCase{"PrinterFontsOnly", CF_PRINTERFONTS, 0, 0, 0, false,
                                    CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT,
                                    CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT},
                      FontFlagsCase{"HookInTheRecordOnly", CF_ENABLEHOOK, 0, 0, 0, true,
                                    kAlways | CF_ENABLEHOOK, kAlways}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FontDialogTest, TwelvePointsAtFifteenTwipsAPixelAreSixteenPixels) {
  ScriptedWin32 platform;
  cCommonDialog dialog;
  dialog.hwnd(9);
  dialog.FontName("DejaVu Serif");
  dialog.FontSize(12);
  dialog.FontBold(true);
  dialog.FontItalic(true);
  dialog.FontStrikethru(true);
  dialog.ShowFont();

  const ScriptedWin32::FontRequest& request = platform.fontRequests.at(0);
  EXPECT_EQ(request.record.lStructSize, 60u);
  EXPECT_EQ(request.record.hwndOwner, 9);
  EXPECT_EQ(request.record.iPointSize, 120);
  EXPECT_EQ(request.record.lpszStyle, nullptr);
  EXPECT_EQ(request.record.lpTemplateName, nullptr);
  EXPECT_EQ(request.logFont.lfHeight, -16);
  EXPECT_EQ(request.logFont.lfWeight, 700);
  EXPECT_EQ(request.logFont.lfItalic, 255);
  EXPECT_EQ(request.logFont.lfUnderline, 0);
  EXPECT_EQ(request.logFont.lfStrikeOut, 255);
  EXPECT_EQ(request.logFont.lfCharSet, 0);
  EXPECT_EQ(std::string(request.logFont.lfFaceName, 32), "DejaVu Serif" + std::string(20, '\0'));
}

TEST(FontDialogTest, SizesRoundHalvesToEvenAtTheScreensResolution) {
  const struct {
    double size;
    int dpi;
    LONG height;
    int pointSize;
  } cases[] = {{8.25, 96, -11, 82}, {8.75, 96, -12, 88}, {12, 120, -20, 120}, {1.125, 96, -2, 11}};
  for (const auto& c : cases) {
    ScriptedWin32 platform;
    platform.screenDpi = c.dpi;
    cCommonDialog dialog;
    dialog.Font(std::make_shared<StdFont>());
    dialog.Font()->Size(c.size);
    dialog.ShowFont();
    EXPECT_EQ(platform.fontRequests.at(0).logFont.lfHeight, c.height) << c.size;
    EXPECT_EQ(platform.fontRequests.at(0).record.iPointSize, c.pointSize) << c.size;
  }
}

TEST(FontDialogTest, AFaceNameIsCutToThirtyOneBytesWithoutSplittingACharacter) {
  const struct {
    std::string name;
    std::string stored;
  } cases[] = {{std::string(40, 'a'), std::string(31, 'a')},
               {std::string(31, 'b'), std::string(31, 'b')},
               {std::string(30, 'c') + "é", std::string(30, 'c')},
               {std::string(29, 'd') + "é", std::string(29, 'd') + "é"}};
  for (const auto& c : cases) {
    ScriptedWin32 platform;
    cCommonDialog dialog;
    dialog.FontName(c.name);
    dialog.ShowFont();
    const LOGFONTA& logFont = platform.fontRequests.at(0).logFont;
    EXPECT_EQ(std::string(logFont.lfFaceName), c.stored) << c.name;
    EXPECT_EQ(logFont.lfFaceName[31], '\0') << c.name;
  }
}

TEST(FontDialogTest, TheChosenFontIsWrittenBackIntoTheFontObject) {
  ScriptedWin32 platform;
  platform.fontDialogAnswers = {[](CHOOSEFONTA& cf) {
    LOGFONTA& lf = *cf.lpLogFont;
    std::memcpy(lf.lfFaceName, "Liberation Mono\0zz", 18);
    lf.lfWeight = 400;
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    lf.lfStrikeOut = 0;
    cf.iPointSize = 145;
    cf.nFontType = BOLD_FONTTYPE;
    cf.rgbColors = 0x000000FF;
    cf.Flags |= CF_EFFECTS;
    return 1;
  }};
  cCommonDialog dialog;
  auto font = std::make_shared<StdFont>();
  font->Strikethrough(true);
  dialog.Font(font);
  dialog.FontColor(0x00FF0000);
  dialog.ShowFont();

  EXPECT_EQ(dialog.Font(), font);
  EXPECT_EQ(font->Name(), "Liberation Mono");
  EXPECT_EQ(font->Size(), 14.5);
  EXPECT_EQ(font->Weight(), 400);  // written after Bold
  EXPECT_FALSE(font->Bold());
  EXPECT_TRUE(font->Italic());
  EXPECT_TRUE(font->Underline());
  EXPECT_FALSE(font->Strikethrough());
  EXPECT_EQ(dialog.FontSize(), 14);  // 14.5 to the even neighbour
  EXPECT_EQ(dialog.FontColor(), 0x000000FF);
  EXPECT_EQ(dialog.flags(), static_cast<int32_t>(kAlways | CF_EFFECTS));
}

TEST(FontDialogTest, ACancelLeavesTheFontAndRaisesOnlyWithCancelError) {
  ScriptedWin32 platform;
  cCommonDialog dialog;
  EXPECT_EQ(dialog.Font(), nullptr);
  dialog.FontColor(0x00123456);
  dialog.ShowFont();
  ASSERT_NE(dialog.Font(), nullptr);
  EXPECT_EQ(dialog.FontName(), "Sans Serif");
  EXPECT_EQ(dialog.FontSize(), 8);
  EXPECT_EQ(dialog.FontColor(), 0x00123456);

  dialog.CancelError(true);
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowFont(); }), kErrCancel);
  platform.fontDialogAnswers = {[](CHOOSEFONTA&) { return 2; }};
  platform.extendedError = CFERR_MAXLESSTHANMIN;
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowFont(); }), 13450 | CFERR_MAXLESSTHANMIN);
  EXPECT_EQ(dialog.FontName(), "Sans Serif");
}

TEST(FontDialogTest, ASizeBeyondTheRecordsRangeIsAnOverflowBeforeAnyDialog) {
  ScriptedWin32 platform;
  cCommonDialog dialog;
  dialog.Font(std::make_shared<StdFont>());
  dialog.Font()->Size(1e12);
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowFont(); }), kErrOverflow);
  EXPECT_EQ(ErrorNumberOf([&] { dialog.FontSize(); }), kErrOverflow);
  EXPECT_TRUE(platform.fontRequests.empty());
}

TEST(StdFontTest, BoldIsAWeightOfSixHundredOrMore) {
  StdFont font;
  EXPECT_EQ(font.Weight(), 400);
  font.Bold(true);
  EXPECT_EQ(font.Weight(), 700);
  font.Weight(600);
  EXPECT_TRUE(font.Bold());
  font.Weight(599);
  EXPECT_FALSE(font.Bold());
  font.Bold(false);
  EXPECT_EQ(font.Weight(), 400);
}

}  // namespace
}  // namespace ferolan
