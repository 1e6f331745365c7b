#include "commondialog/GCommonDialog.h"
#include "commondialog/WholeNumber.h"
#include "commondialog/mDialogHook.h"
#include "platform/winapi/ChooseDialogs.h"
#include "platform/winapi/DeviceCaps.h"
#include "platform/winapi/FlagBits.h"

namespace ferolan {

using namespace winapi;

namespace {

constexpr BYTE kTrue = 255;
constexpr double kTwipsPerPoint = 20;

int32_t WithFlag(int32_t flags, DWORD bit) { return flags | static_cast<int32_t>(bit); }

// The bits the font dialog gets from the caller's flags and the other settings.
int32_t DialogFlags(int32_t flags, int32_t Color, int32_t MinSize, int32_t MaxSize) {
  if (!HasFlag(flags, CF_PRINTERFONTS)) flags = WithFlag(flags, CF_SCREENFONTS);
  if (Color != 0) flags = WithFlag(flags, CF_EFFECTS);
  if (MinSize != 0 || MaxSize != 0) flags = WithFlag(flags, CF_LIMITSIZE);
  flags &= ~static_cast<int32_t>(CF_ENABLEHOOK | CF_ENABLETEMPLATE | CF_APPLY);
  return WithFlag(flags, CF_INITTOLOGFONTSTRUCT);
}

LOGFONTA LogFontOf(const StdFont& font) {
  LOGFONTA lf{};
  lf.lfHeight = RoundToLong(-font.Size() * kTwipsPerPoint / TwipsPerPixelY());
  lf.lfWeight = font.Weight();
  lf.lfItalic = font.Italic() ? kTrue : 0;
  lf.lfUnderline = font.Underline() ? kTrue : 0;
  lf.lfStrikeOut = font.Strikethrough() ? kTrue : 0;
  SetFaceName(lf, font.Name());
  return lf;
}

void WriteBack(const CHOOSEFONTA& cf, const LOGFONTA& lf, StdFont& font) {
  font.Bold((cf.nFontType & BOLD_FONTTYPE) != 0);
  font.Italic(lf.lfItalic != 0);
  font.Strikethrough(lf.lfStrikeOut != 0);
  font.Underline(lf.lfUnderline != 0);
  font.Weight(lf.lfWeight);
  font.Size(cf.iPointSize / 10.0);
  font.Name(FaceName(lf));
}

}  // namespace

bool GCommonDialog::VBChooseFont(StdFont& CurFont, int32_t& PrinterDC, int32_t Owner,
                                 int32_t& Color, int32_t MinSize, int32_t MaxSize, int32_t& flags,
                                 bool Hook, DialogEventSink* EventSink) {
  m_lApiReturn = 0;
  m_lExtendedError = 0;
  // The program has no printer of its own whose fonts could be asked for.
  if (PrinterDC == -1) {
    PrinterDC = 0;
  } else {
    flags = WithFlag(flags, CF_PRINTERFONTS);
  }
  flags = DialogFlags(flags, Color, MinSize, MaxSize);

  LOGFONTA lf = LogFontOf(CurFont);
  CHOOSEFONTA cf{};
  cf.lStructSize = CHOOSEFONT_SIZE;
  if (Owner != -1) cf.hwndOwner = Owner;
  cf.hDC = PrinterDC;
  cf.lpLogFont = &lf;
  cf.iPointSize = RoundToLong(CurFont.Size() * 10);
  cf.Flags = static_cast<DWORD>(flags);
  cf.rgbColors = static_cast<COLORREF>(Color);
  cf.nSizeMin = MinSize;
  cf.nSizeMax = MaxSize;
  if (Hook) {
    cf.lpfnHook = mDialogHook::HookProc6;
    cf.Flags |= CF_ENABLEHOOK;
  }

  RunDialog(Hook, EventSink, [&] { return ChooseFontA(&cf); });
  if (m_lApiReturn != 1) return false;
  flags = static_cast<int32_t>(cf.Flags);
  Color = static_cast<int32_t>(cf.rgbColors);
  WriteBack(cf, lf, CurFont);
  return true;
}

}  // namespace ferolan
