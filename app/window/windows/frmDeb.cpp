#include "app/window/windows/frmDeb.h"

#include "app/request/EscapedError.h"
#include "platform/windows/WideNames.h"
#include "platform/windows/gui/ShownText.h"
#include "platform/windows/gui/SystemUserServices.h"

// After our records: the system's headers define their names as macros.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/window/windows/Resources.h"
#include "platform/windows/gui/Handles.h"

namespace ferolan {

using namespace form;

namespace {

constexpr wchar_t kWindowClass[] = L"FerolanFrmDeb";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// A control's id: its index in the table, past the ids the system keeps for itself.
constexpr int kFirstControlId = 100;

COLORREF ColourOf(const Colour& colour) { return RGB(colour.red, colour.green, colour.blue); }

// GDI objects and icons, released with the window's resources.
struct GdiDeleter {
  void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
using UniqueGdi = std::unique_ptr<void, GdiDeleter>;
struct IconDeleter {
  void operator()(HICON icon) const { ::DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// Tahoma at `points` for a screen of `dpi`.
UniqueGdi WindowFont(double points, unsigned dpi) {
  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(points * dpi / 72 + 0.5);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  wcscpy_s(font.lfFaceName, L"Tahoma");
  return UniqueGdi(::CreateFontIndirectW(&font));
}

UniqueIcon IconResource(int id, int side) {
  return UniqueIcon(static_cast<HICON>(::LoadImageW(
      ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, side, side, LR_DEFAULTCOLOR)));
}

// The window's font, at `points` or, where the font the system gives for Tahoma is wider (a
// replacement), at the largest smaller size in which the control's text fits rather than
// being cut. `reserved` is the width the control keeps for itself (a radio button's circle).
UniqueGdi FittingFont(HWND control, double points, unsigned dpi, bool wraps, int reserved) {
  constexpr double kSmallest = 6;
  RECT room;
  ::GetClientRect(control, &room);
  room.right -= reserved;
  wchar_t text[512] = {};
  ::GetWindowTextW(control, text, 512);
  const UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (wraps ? DT_WORDBREAK : 0);
  const std::unique_ptr<std::remove_pointer_t<HDC>, std::function<void(HDC)>> dc(
      ::GetDC(control), [control](HDC context) { ::ReleaseDC(control, context); });
  for (;; points -= 0.25) {
    UniqueGdi font = WindowFont(points, dpi);
    if (points <= kSmallest) return font;
    const HGDIOBJ previous = ::SelectObject(dc.get(), font.get());
    RECT needed{0, 0, room.right, 0};
    ::DrawTextW(dc.get(), text, -1, &needed, format);
    ::SelectObject(dc.get(), previous);
    if (needed.right <= room.right && needed.bottom <= room.bottom) return font;
  }
}

struct ImageListDeleter {
  void operator()(HIMAGELIST list) const { ::ImageList_Destroy(list); }
};
using UniqueImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

// The help button's picture as a button's image list of one image, which the button shows in
// every state: the same picture when pressed and when disabled, not a greyed one.
UniqueImageList HelpPicture(int side) {
  UniqueImageList list(::ImageList_Create(side, side, ILC_COLOR32 | ILC_MASK, 1, 0));
  const UniqueIcon icon = IconResource(kHelpIcon, side);
  if (list != nullptr && icon != nullptr) ::ImageList_AddIcon(list.get(), icon.get());
  return list;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* form = reinterpret_cast<frmDeb*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr || form->Window() == nullptr) {
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  // No exception may cross the system's code that called this procedure.
  LRESULT result = 0;
  Guarded([&] { result = form->Handle(message, wParam, lParam); });
  return result;
}

void RegisterWindowClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.hIcon =
      static_cast<HICON>(::LoadImageW(windowClass.hInstance, MAKEINTRESOURCEW(kProgramIcon),
                                      IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kWindowClass;
  ::RegisterClassExW(&windowClass);  // fails harmlessly when registered already
}

// The system's class and style of a control of the table.
std::pair<const wchar_t*, DWORD> ClassAndStyle(const Control& control, bool startsGroup) {
  const DWORD tabStop = startsGroup ? WS_TABSTOP | WS_GROUP : 0;
  switch (control.kind) {
    case Kind::TextBox:
      return {L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP};
    case Kind::Option:
      return {L"BUTTON", BS_AUTORADIOBUTTON | tabStop};
    case Kind::Button:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP};
    case Kind::Label:
      return {L"STATIC", SS_NOPREFIX | (control.centred ? SS_CENTER
                                        : control.wraps ? SS_LEFT
                                                        : SS_LEFTNOWORDWRAP)};
    case Kind::Picture:
      return {L"STATIC", SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL};
    case Kind::Frame:
      break;
  }
  return {L"BUTTON", BS_GROUPBOX};
}

}  // namespace

// What the window draws with at its current dots per inch.
struct frmDeb::Resources {
  UniqueGdi font;
  std::vector<UniqueGdi> fittedFonts;
  // The backgrounds of the controls that have a colour of their own.
  std::array<UniqueGdi, kControlCount> backs = [] {
    std::array<UniqueGdi, kControlCount> brushes;
    for (int index = 0; index < kControlCount; ++index) {
      if (kControls[index].back.Given()) {
        brushes[index].reset(::CreateSolidBrush(ColourOf(kControls[index].back)));
      }
    }
    return brushes;
  }();
  UniqueIcon picture;
  UniqueImageList help;
};

frmDeb::frmDeb() : resources_(std::make_unique<Resources>()) {
  RegisterWindowClass();
  // Created hidden and laid out for the screen it lands on; shown by the caller.
  HWND window =
      ::CreateWindowExW(0, kWindowClass, Utf16Of(kCaption).c_str(), kWindowStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, 0, 0, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
  if (window == nullptr) throw std::runtime_error("la fenêtre ne peut pas être créée");
  window_ = window;
  BuildControls();
  form_.Form_Load();
  LayOut(::GetDpiForWindow(window_));
  CentreOnScreen();
}

frmDeb::~frmDeb() {
  if (window_ != nullptr) {
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    ::DestroyWindow(window_);
  }
}

int32_t frmDeb::hwnd() const { return windows::NumberOf(window_); }

void frmDeb::BuildControls() {
  // Created in the table's order, which is the tab order; the frames come last, under the
  // labels they hold. Radio buttons in a row are one group, reached by one tab stop.
  for (int index = 0; index < kControlCount; ++index) {
    const Control& control = kControls[index];
    const bool startsGroup = index == 0 || kControls[index - 1].kind != Kind::Option;
    const auto [windowClass, style] = ClassAndStyle(control, startsGroup);
    controls_[index] =
        ::CreateWindowExW(0, windowClass, windows::ShownText(control.caption).c_str(),
                          style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, window_,
                          reinterpret_cast<HMENU>(INT_PTR{kFirstControlId + index}),
                          ::GetModuleHandleW(nullptr), nullptr);
  }
  ::SendMessageW(Child(Id::Option1), BM_SETCHECK, BST_CHECKED, 0);
}

void frmDeb::LayOut(unsigned dpi) {
  dpi_ = dpi == 0 ? USER_DEFAULT_SCREEN_DPI : dpi;
  // Made anew, and the previous ones released only once no control draws with them.
  auto next = std::make_unique<Resources>();
  Resources& r = *next;
  r.font = WindowFont(kFontPoints, dpi_);
  // The picture beside the description is the program's icon at 48 pixels of 96 dpi.
  r.picture = IconResource(kProgramIcon, ::MulDiv(48, dpi_, USER_DEFAULT_SCREEN_DPI));
  r.help = HelpPicture(::MulDiv(16, dpi_, USER_DEFAULT_SCREEN_DPI));
  ::SendMessageW(Child(Id::Picture1), STM_SETICON, reinterpret_cast<WPARAM>(r.picture.get()), 0);
  BUTTON_IMAGELIST picture{r.help.get(), {}, BUTTON_IMAGELIST_ALIGN_CENTER};
  ::SendMessageW(Child(Id::aide), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&picture));

  SizeClientArea(Pixels(kClientWidth, dpi_), Pixels(kClientHeight, dpi_));

  for (int index = 0; index < kControlCount; ++index) {
    const Control& control = kControls[index];
    // Places in a frame are in the frame's twips, which the window's children share.
    const Twips frame =
        control.frame == kInWindow ? Twips{0, 0, 0, 0} : kControls[control.frame].place;
    ::SetWindowPos(controls_[index], nullptr, Pixels(frame.left + control.place.left, dpi_),
                   Pixels(frame.top + control.place.top, dpi_), Pixels(control.place.width, dpi_),
                   Pixels(control.place.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(controls_[index], WM_SETFONT, reinterpret_cast<WPARAM>(r.font.get()), TRUE);
  }
  // The texts that must show whole.
  const int circle = ::GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_) + ::MulDiv(4, dpi_, 96);
  for (int index = 0; index < kControlCount; ++index) {
    const Control& control = kControls[index];
    if (control.kind != Kind::Label && control.kind != Kind::Option) continue;
    const bool option = control.kind == Kind::Option;
    r.fittedFonts.push_back(FittingFont(controls_[index],
                                        control.points != 0 ? control.points : kFontPoints, dpi_,
                                        control.wraps && !option, option ? circle : 0));
    ::SendMessageW(controls_[index], WM_SETFONT,
                   reinterpret_cast<WPARAM>(r.fittedFonts.back().get()), TRUE);
  }
  resources_ = std::move(next);
}

void frmDeb::CentreOnScreen() {
  // Where the open dialog, centred over the window and larger than it, is seen whole.
  MONITORINFO screen{};
  screen.cbSize = sizeof screen;
  RECT frame;
  if (!::GetMonitorInfoW(::MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &screen) ||
      !::GetWindowRect(window_, &frame)) {
    return;
  }
  const RECT& area = screen.rcWork;
  ::SetWindowPos(window_, nullptr, (area.left + area.right - (frame.right - frame.left)) / 2,
                 (area.top + area.bottom - (frame.bottom - frame.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmDeb::SizeClientArea(int width, int height) {
  // The frame measured, not computed: not every system scales it with the window's dots per
  // inch, and a frame grown by a wrapped menu or a theme needs a second try.
  for (int attempt = 0; attempt < 2; ++attempt) {
    RECT outer, client;
    ::GetWindowRect(window_, &outer);
    ::GetClientRect(window_, &client);
    if (client.right == width && client.bottom == height) return;
    ::SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                   outer.bottom - outer.top + height - client.bottom,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void frmDeb::SetCaption(Id control, const std::string& text) {
  ::SetWindowTextW(Child(control), windows::ShownText(text).c_str());
}

bool frmDeb::Option1Checked() const {
  return ::SendMessageW(Child(Id::Option1), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void frmDeb::EnableControl(Id control, bool enabled) { ::EnableWindow(Child(control), enabled); }

void frmDeb::Close() {
  if (form_.Form_QueryUnload()) EndProgram();
}

void frmDeb::EndProgram() { ::PostQuitMessage(0); }

std::string frmDeb::Text() const {
  const HWND box = Child(Id::txtFileName);
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(box)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(::GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
  return Utf8Of(text);
}

void frmDeb::SetText(const std::string& text) {
  ::SetWindowTextW(Child(Id::txtFileName), Utf16Of(text).c_str());
}

// The colours of a static control or of the path box, which has the buttons' colour.
intptr_t frmDeb::ControlColours(uintptr_t context, HWND control) const {
  const auto dc = reinterpret_cast<HDC>(context);
  const auto index = static_cast<std::size_t>(
      std::find(controls_.begin(), controls_.end(), control) - controls_.begin());
  const Control* table = index < controls_.size() ? &kControls[index] : nullptr;
  if (table != nullptr && table->fore.Given()) ::SetTextColor(dc, ColourOf(table->fore));
  if (table != nullptr && table->back.Given()) {
    ::SetBkColor(dc, ColourOf(table->back));
    return reinterpret_cast<intptr_t>(resources_->backs[index].get());
  }
  const int system =
      table != nullptr && table->kind == Kind::Picture ? COLOR_WINDOW : COLOR_BTNFACE;
  ::SetBkColor(dc, ::GetSysColor(system));
  return reinterpret_cast<intptr_t>(::GetSysColorBrush(system));
}

intptr_t frmDeb::Handle(unsigned message, uintptr_t wParam, intptr_t lParam) {
  switch (message) {
    case WM_COMMAND: {
      if (HIWORD(wParam) != BN_CLICKED) break;
      const int id = LOWORD(wParam) - kFirstControlId;
      if (id == static_cast<int>(Id::cmdOpen)) {
        form_.cmdOpen_Click();
      } else if (id == static_cast<int>(Id::Quitter)) {
        form_.Quitter_Click();
      } else if (id == static_cast<int>(Id::aide)) {
        form_.aide_Click();
      } else {
        break;
      }
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return ControlColours(wParam, reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
      if (windows::SystemUserServices::HourglassShown()) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      LayOut(HIWORD(wParam));
      return 0;
    }
    case WM_CLOSE:
      Close();
      return 0;
    default:
      break;
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace ferolan
