#include "app/window/win32/frmDeb.h"

#include "app/request/AuthorCredit.h"
#include "app/request/EscapedError.h"
#include "app/request/TxtMsg.h"
#include "app/window/Captions.h"
#include "app/window/FormLayout.h"
#include "platform/windows/WideNames.h"
#include "platform/windows/window/ShownText.h"
#include "platform/windows/window/SystemUserServices.h"

// After our records: the system's headers define their names as macros.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

#include "app/window/win32/Resources.h"
#include "platform/windows/window/Handles.h"

namespace ferolan {

using namespace layout;

namespace {

constexpr wchar_t kWindowClass[] = L"FerolanFrmDeb";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The controls' ids, in the window's tab order first.
enum ControlId : int {
  kTxtFileNameId = 100,
  kOption1Id,
  kOption2Id,
  kQuitterId,
  kAideId,
  kCmdOpenId,
  kOtherId,
};

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

}  // namespace

// What the window draws with at its current dots per inch.
struct frmDeb::Resources {
  UniqueGdi font;
  std::vector<UniqueGdi> fittedFonts;
  UniqueGdi descriptionBrush{::CreateSolidBrush(ColourOf(kDescriptionBack))};
  UniqueIcon picture;
  UniqueImageList help;
};

frmDeb::frmDeb()
    : m_cHookDlg(*this),
      request_([this] { return ::SendMessageW(Option1, BM_GETCHECK, 0, 0) == BST_CHECKED; }),
      resources_(std::make_unique<Resources>()) {
  RegisterWindowClass();
  // Created hidden and laid out for the screen it lands on; shown by the caller.
  HWND window = ::CreateWindowExW(0, kWindowClass, Utf16Of(captions::kWindowTitle).c_str(),
                                  kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr,
                                  nullptr, ::GetModuleHandleW(nullptr), this);
  if (window == nullptr) throw std::runtime_error("la fenêtre ne peut pas être créée");
  window_ = window;
  BuildControls();
  Form_Load();
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
  const auto control = [this](const wchar_t* windowClass, DWORD style, int id) {
    return ::CreateWindowExW(0, windowClass, L"", style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                             0, 0, 0, 0, window_, reinterpret_cast<HMENU>(INT_PTR{id}),
                             ::GetModuleHandleW(nullptr), nullptr);
  };
  // Created in the tab order, which is the order of creation; the frames last, under the
  // labels they hold.
  txtFileName =
      control(L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, kTxtFileNameId);
  Option1 = control(L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, kOption1Id);
  Option2 = control(L"BUTTON", BS_AUTORADIOBUTTON, kOption2Id);
  Quitter = control(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, kQuitterId);
  aide = control(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, kAideId);
  cmdOpen = control(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, kCmdOpenId);
  Label1 = control(L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, kOtherId);
  Picture1 = control(L"STATIC", SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL, kOtherId);
  Label2 = control(L"STATIC", SS_LEFT | SS_NOPREFIX, kOtherId);
  Label3 = control(L"STATIC", SS_CENTER | SS_NOPREFIX, kOtherId);
  Label4 = control(L"STATIC", SS_CENTER | SS_NOPREFIX, kOtherId);
  Frame2 = control(L"BUTTON", BS_GROUPBOX, kOtherId);
  Frame1 = control(L"BUTTON", BS_GROUPBOX, kOtherId);
  Frame3 = control(L"BUTTON", BS_GROUPBOX, kOtherId);

  ::SetWindowTextW(Option1, Utf16Of(captions::kOption1).c_str());
  ::SetWindowTextW(Option2, Utf16Of(captions::kOption2).c_str());
  ::SetWindowTextW(cmdOpen, Utf16Of(captions::kBrowse).c_str());
  ::SetWindowTextW(Quitter, Utf16Of(captions::kQuit).c_str());
  ::SendMessageW(Option1, BM_SETCHECK, BST_CHECKED, 0);
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
  ::SendMessageW(Picture1, STM_SETICON, reinterpret_cast<WPARAM>(r.picture.get()), 0);
  BUTTON_IMAGELIST picture{r.help.get(), {}, BUTTON_IMAGELIST_ALIGN_CENTER};
  ::SendMessageW(aide, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&picture));

  SizeClientArea(Pixels(kClientWidth, dpi_), Pixels(kClientHeight, dpi_));

  Place(Frame2, kFrame2, nullptr);
  Place(Label1, kLabel1, &kFrame2);
  Place(Picture1, kPicture1, &kFrame2);
  Place(Frame1, kFrame1, nullptr);
  Place(Label2, kLabel2, &kFrame1);
  Place(Option1, kOption1, nullptr);
  Place(Option2, kOption2, nullptr);
  Place(cmdOpen, kCmdOpen, nullptr);
  Place(Quitter, kQuitter, nullptr);
  Place(aide, kAide, nullptr);
  Place(Frame3, kFrame3, nullptr);
  Place(Label3, kLabel3, &kFrame3);
  Place(Label4, kLabel4, &kFrame3);
  Place(txtFileName, kTxtFileName, nullptr);
  for (HWND child = ::GetWindow(window_, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(r.font.get()), TRUE);
  }
  // The texts that must show whole.
  const int circle = ::GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_) + ::MulDiv(4, dpi_, 96);
  const struct {
    HWND control;
    double points;
    bool wraps;
    int reserved;
  } texts[] = {{Label1, kDescriptionPoints, false, 0}, {Label2, kFontPoints, true, 0},
               {Option1, kFontPoints, false, circle},  {Option2, kFontPoints, false, circle},
               {Label3, kFontPoints, true, 0},         {Label4, kFontPoints, true, 0}};
  for (const auto& text : texts) {
    r.fittedFonts.push_back(
        FittingFont(text.control, text.points, dpi_, text.wraps, text.reserved));
    ::SendMessageW(text.control, WM_SETFONT, reinterpret_cast<WPARAM>(r.fittedFonts.back().get()),
                   TRUE);
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

void frmDeb::Place(HWND control, const Twips& twips, const Twips* frame) const {
  const int left = twips.left + (frame != nullptr ? frame->left : 0);
  const int top = twips.top + (frame != nullptr ? frame->top : 0);
  ::SetWindowPos(control, nullptr, Pixels(left, dpi_), Pixels(top, dpi_), Pixels(twips.width, dpi_),
                 Pixels(twips.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmDeb::Form_Load() {
  ::SetWindowTextW(Label1, windows::ShownText(captions::kDescription).c_str());
  ::SetWindowTextW(Label2, windows::ShownText(captions::kWhere).c_str());
  ::SetWindowTextW(Label3, Utf16Of(captions::VersionCaption()).c_str());
  ::SetWindowTextW(Label4, Utf16Of(kAuthorCredit).c_str());
}

void frmDeb::cmdOpen_Click() {
  SetRequestRunning(true);
  request_.cmdOpen_Click(m_cHookDlg, *this);
  SetRequestRunning(false);
  if (closePending_) Close();
}

void frmDeb::aide_Click() { TxtMsg::ShowExportHelp(); }

void frmDeb::Quitter_Click() {
  request_.RemoveWorkFolder();
  ::PostQuitMessage(0);
}

void frmDeb::Form_Unload() { request_.RemoveWorkFolder(); }

void frmDeb::Close() {
  if (requestRunning_) {
    closePending_ = true;
    return;
  }
  Form_Unload();
  ::PostQuitMessage(0);
}

void frmDeb::m_cHookDlg_InitDialog(int32_t hDlg) { m_cHookDlg.CentreDialog(hDlg, *this); }

std::string frmDeb::Text() const {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(txtFileName)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(txtFileName, text.data(), static_cast<int>(text.size()))));
  return Utf8Of(text);
}

void frmDeb::SetText(const std::string& text) {
  ::SetWindowTextW(txtFileName, Utf16Of(text).c_str());
}

void frmDeb::SetRequestRunning(bool running) {
  requestRunning_ = running;
  for (HWND button : {cmdOpen, aide, Quitter}) ::EnableWindow(button, !running);
}

intptr_t frmDeb::Handle(unsigned message, uintptr_t wParam, intptr_t lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) break;
      switch (LOWORD(wParam)) {
        case kCmdOpenId:
          cmdOpen_Click();
          return 0;
        case kQuitterId:
          Quitter_Click();
          return 0;
        case kAideId:
          aide_Click();
          return 0;
        default:
          break;
      }
      break;
    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      const auto control = reinterpret_cast<HWND>(lParam);
      if (control == Label1) {
        ::SetTextColor(dc, ColourOf(kDescriptionText));
        ::SetBkColor(dc, ColourOf(kDescriptionBack));
        return reinterpret_cast<intptr_t>(resources_->descriptionBrush.get());
      }
      if (control == Picture1) {
        ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<intptr_t>(::GetSysColorBrush(COLOR_WINDOW));
      }
      if (control == Label2) ::SetTextColor(dc, ColourOf(kWhereText));
      ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<intptr_t>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CTLCOLOREDIT:
      // The path box has the buttons' colour.
      ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<intptr_t>(::GetSysColorBrush(COLOR_BTNFACE));
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
