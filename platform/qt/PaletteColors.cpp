#include "platform/qt/PaletteColors.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

#include "platform/qt/QtColor.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

struct PaletteEntry {
  bool known;
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

constexpr PaletteEntry Active(QPalette::ColorRole role) { return {true, QPalette::Active, role}; }
constexpr PaletteEntry Inactive(QPalette::ColorRole role) {
  return {true, QPalette::Inactive, role};
}
constexpr PaletteEntry kNone{false, QPalette::Active, QPalette::NoRole};

// By system colour number; number 25 names no colour.
constexpr std::array<PaletteEntry, COLOR_MENUBAR + 1> kPaletteColors = {
    Active(QPalette::Button),                    // COLOR_SCROLLBAR
    Active(QPalette::Dark),                      // COLOR_BACKGROUND
    Active(QPalette::Highlight),                 // COLOR_ACTIVECAPTION
    Inactive(QPalette::Highlight),               // COLOR_INACTIVECAPTION
    Active(QPalette::Window),                    // COLOR_MENU
    Active(QPalette::Base),                      // COLOR_WINDOW
    Active(QPalette::Shadow),                    // COLOR_WINDOWFRAME
    Active(QPalette::WindowText),                // COLOR_MENUTEXT
    Active(QPalette::Text),                      // COLOR_WINDOWTEXT
    Active(QPalette::HighlightedText),           // COLOR_CAPTIONTEXT
    Active(QPalette::Window),                    // COLOR_ACTIVEBORDER
    Inactive(QPalette::Window),                  // COLOR_INACTIVEBORDER
    Active(QPalette::Mid),                       // COLOR_APPWORKSPACE
    Active(QPalette::Highlight),                 // COLOR_HIGHLIGHT
    Active(QPalette::HighlightedText),           // COLOR_HIGHLIGHTTEXT
    Active(QPalette::Button),                    // COLOR_BTNFACE
    Active(QPalette::Dark),                      // COLOR_BTNSHADOW
    {true, QPalette::Disabled, QPalette::Text},  // COLOR_GRAYTEXT
    Active(QPalette::ButtonText),                // COLOR_BTNTEXT
    Inactive(QPalette::HighlightedText),         // COLOR_INACTIVECAPTIONTEXT
    Active(QPalette::Light),                     // COLOR_BTNHIGHLIGHT
    Active(QPalette::Shadow),                    // COLOR_3DDKSHADOW
    Active(QPalette::Midlight),                  // COLOR_3DLIGHT
    Active(QPalette::ToolTipText),               // COLOR_INFOTEXT
    Active(QPalette::ToolTipBase),               // COLOR_INFOBK
    kNone,
    Active(QPalette::Link),         // COLOR_HOTLIGHT
    Active(QPalette::Highlight),    // COLOR_GRADIENTACTIVECAPTION
    Inactive(QPalette::Highlight),  // COLOR_GRADIENTINACTIVECAPTION
    Active(QPalette::Highlight),    // COLOR_MENUHILIGHT
    Active(QPalette::Window),       // COLOR_MENUBAR
};

}  // namespace

DWORD PaletteColor(int nIndex) {
  if (nIndex < 0 || nIndex > COLOR_MENUBAR) return 0;
  const PaletteEntry& color = kPaletteColors[static_cast<std::size_t>(nIndex)];
  if (!color.known) return 0;
  return ColorRefOf(QGuiApplication::palette().color(color.group, color.role));
}

}  // namespace ferolan::qt
