#include "platform/windows/gui/HelpViewer.h"

#include <algorithm>
#include <cwchar>

#include "platform/windows/WideNames.h"
#include "platform/windows/gui/HelpText.h"

namespace ferolan::windows {

namespace {

constexpr wchar_t kClassName[] = L"FerolanAide";
constexpr int kUsualDotsPerInch = 96;

std::vector<std::unique_ptr<HelpViewer>>& Viewers() {
  static std::vector<std::unique_ptr<HelpViewer>> viewers;
  return viewers;
}

HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }

bool RegisterClassOnce(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = Instance();
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = ::GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassExW(&windowClass) != 0;
  }();
  return registered;
}

int ScreenDotsPerInch() {
  const ::HDC screen = ::GetDC(nullptr);
  const int dotsPerInch = screen == nullptr ? 0 : ::GetDeviceCaps(screen, LOGPIXELSY);
  if (screen != nullptr) ::ReleaseDC(nullptr, screen);
  return dotsPerInch > 0 ? dotsPerInch : kUsualDotsPerInch;
}

// The message font of the system at the screen's resolution; Tahoma when it tells none.
LOGFONTW MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    return metrics.lfMessageFont;
  }
  LOGFONTW font{};
  font.lfHeight = -::MulDiv(8, ScreenDotsPerInch(), 72);
  font.lfWeight = FW_NORMAL;
  std::wcscpy(font.lfFaceName, L"Tahoma");
  return font;
}

bool SameFile(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

HelpViewer::HelpViewer(::HWND owner, std::wstring file) : owner_(owner), file_(std::move(file)) {}

HelpViewer::~HelpViewer() = default;

HelpViewer* HelpViewer::Open(::HWND owner, std::wstring file, const winapi::HelpFile& content) {
  if (!RegisterClassOnce(Procedure)) return nullptr;
  std::unique_ptr<HelpViewer> viewer(new HelpViewer(owner, std::move(file)));
  HelpViewer& shown = *viewer;
  Viewers().push_back(std::move(viewer));
  shown.dotsPerInch_ = static_cast<UINT>(ScreenDotsPerInch());
  const int width = ::MulDiv(640, static_cast<int>(shown.dotsPerInch_), kUsualDotsPerInch);
  const int height = ::MulDiv(480, static_cast<int>(shown.dotsPerInch_), kUsualDotsPerInch);
  // The window procedure knows the viewer from its first message on; a window that fails is
  // destroyed, and the viewer with it.
  const ::HWND window =
      ::CreateWindowExW(0, kClassName, L"Aide", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                        width, height, owner, nullptr, Instance(), &shown);
  if (window == nullptr) {
    std::erase_if(Viewers(), [&shown](const auto& one) { return one.get() == &shown; });
    return nullptr;
  }
  if (!shown.MakeText(content)) {
    const DWORD error = ::GetLastError();
    ::DestroyWindow(window);
    ::SetLastError(error);
    return nullptr;
  }
  return &shown;
}

std::vector<HelpViewer*> HelpViewer::ViewersOf(::HWND owner, const std::wstring& file) {
  std::vector<HelpViewer*> viewers;
  for (const auto& viewer : Viewers()) {
    if (viewer->window_ != nullptr && viewer->owner_ == owner &&
        (file.empty() || SameFile(viewer->file_, file))) {
      viewers.push_back(viewer.get());
    }
  }
  return viewers;
}

bool HelpViewer::MakeText(const winapi::HelpFile& content) {
  edit_ = ::CreateWindowExW(
      0, L"EDIT", nullptr,
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_NOHIDESEL, 0, 0, 0, 0,
      window_, nullptr, Instance(), nullptr);
  if (edit_ == nullptr) return false;
  logFont_ = MessageFont();
  SetFont(dotsPerInch_);
  const HelpText shown = HelpTextOf(content);
  text_ = Utf16Of(shown.text);
  for (const auto& [name, offset] : shown.anchors) {
    anchors_.emplace(name, Utf16Of(std::string_view(shown.text).substr(0, offset)).size());
  }
  // A help file may be longer than an edit control takes by default.
  ::SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);
  ::SetWindowTextW(edit_, text_.c_str());
  RECT client;
  ::GetClientRect(window_, &client);
  ::MoveWindow(edit_, 0, 0, client.right, client.bottom, FALSE);
  return true;
}

// The font follows the resolution of the screen the window is on.
void HelpViewer::SetFont(UINT dotsPerInch) {
  logFont_.lfHeight =
      ::MulDiv(logFont_.lfHeight, static_cast<int>(dotsPerInch), static_cast<int>(dotsPerInch_));
  dotsPerInch_ = dotsPerInch;
  HFONT font = ::CreateFontIndirectW(&logFont_);
  if (font == nullptr) return;
  ::SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  font_.reset(font);
}

LRESULT CALLBACK HelpViewer::Procedure(::HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* viewer =
        static_cast<HelpViewer*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    viewer->window_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(viewer));
  }
  auto* viewer = reinterpret_cast<HelpViewer*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (viewer == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_SIZE:
      ::MoveWindow(viewer->edit_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      ::SetFocus(viewer->edit_);
      return 0;
    // A read-only edit control is grey unless told otherwise; the help reads as a page.
    case WM_CTLCOLORSTATIC:
      ::SetBkColor(reinterpret_cast<::HDC>(wParam), ::GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
    case WM_DPICHANGED: {
      viewer->SetFont(HIWORD(wParam));
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(window, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_NCDESTROY: {
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      std::erase_if(Viewers(), [viewer](const auto& one) { return one.get() == viewer; });
      return ::DefWindowProcW(window, message, wParam, lParam);
    }
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

void HelpViewer::Present() {
  if (!::IsWindowVisible(window_) || ::IsIconic(window_)) ::ShowWindow(window_, SW_SHOWNORMAL);
  ::SetForegroundWindow(window_);
}

void HelpViewer::GoToTop() { ShowAt(0, 0); }

void HelpViewer::GoToAnchor(const std::string& name) {
  const auto found = anchors_.find(name);
  if (found != anchors_.end()) ShowAt(found->second, found->second);
}

void HelpViewer::GoToText(const std::string& text) {
  GoToTop();
  std::wstring wanted = Utf16Of(text);
  if (wanted.empty()) return;
  std::wstring shown = text_;
  ::CharLowerBuffW(wanted.data(), static_cast<DWORD>(wanted.size()));
  ::CharLowerBuffW(shown.data(), static_cast<DWORD>(shown.size()));
  const std::size_t found = shown.find(wanted);
  if (found != std::wstring::npos) ShowAt(found, found + wanted.size());
}

// Selects the characters and scrolls the line of the first to the top.
void HelpViewer::ShowAt(std::size_t start, std::size_t end) {
  ::SendMessageW(edit_, EM_SETSEL, start, static_cast<LPARAM>(end));
  const LRESULT line = ::SendMessageW(edit_, EM_LINEFROMCHAR, start, 0);
  const LRESULT first = ::SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0);
  ::SendMessageW(edit_, EM_LINESCROLL, 0, line - first);
}

void HelpViewer::Place(const winapi::HELPWININFOA& position) {
  const bool sized = position.dx > 0 && position.dy > 0;
  const auto moveAndSize = [this, &position, sized] {
    ::SetWindowPos(window_, nullptr, position.x, position.y, position.dx, position.dy,
                   SWP_NOZORDER | SWP_NOACTIVATE | (sized ? 0 : SWP_NOSIZE));
  };
  // A shown window is placed after it shows; the others keep the place to come back to.
  switch (position.wMax) {
    case SW_HIDE:
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_SHOWMAXIMIZED:
      moveAndSize();
      ::ShowWindow(window_, position.wMax);
      break;
    default:
      ::ShowWindow(window_, SW_SHOWNORMAL);
      moveAndSize();
      break;
  }
}

void HelpViewer::Close() { ::DestroyWindow(window_); }

}  // namespace ferolan::windows
