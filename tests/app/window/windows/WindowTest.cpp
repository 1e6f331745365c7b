// The Windows window as a user meets it, under the system's own dialogs: a thread of the test
// answers each dialog and message box that the browse button opens, as a user would.
#include "app/window/windows/frmDeb.h"
#include "platform/windows/gui/SystemUserServices.h"
#include "platform/windows/gui/SystemWin32Services.h"

// After our records: the system's headers define their names as macros.
#include <windows.h>

#include <gtest/gtest.h>
#include <zip.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/runtime/App.h"
#include "platform/windows/WideNames.h"
#include "tests/support/TempDir.h"
#include "tests/zip/ArchiveMaker.h"

namespace ferolan::testing {
namespace {

constexpr int kFileNameBox = 0x47C;   // the open dialog's file name box
constexpr int kMessageText = 0xFFFF;  // a message box's text

struct Box {
  std::string title;
  std::string text;
  bool operator==(const Box&) const = default;
};

void PrintTo(const Box& box, std::ostream* out) { *out << box.title << ": " << box.text; }

std::string TextOf(HWND window, int id = 0) {
  wchar_t text[4096] = {};
  if (id != 0) {
    ::GetDlgItemTextW(window, id, text, 4096);
  } else {
    ::GetWindowTextW(window, text, 4096);
  }
  return Utf8Of(text);
}

// A dialog or message box shown, for EnumThreadWindows.
BOOL CALLBACK FindShownDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  ::GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Meets, on a thread of its own, each window that the test's thread opens: message boxes are
// read and confirmed, the open dialog is handed to `answer`. A window still open after a
// minute is cancelled, so that a failing test ends.
class Answerer {
 public:
  explicit Answerer(std::function<void(HWND)> answer)
      : answer_(std::move(answer)), thread_([this, id = ::GetCurrentThreadId()] { Run(id); }) {}
  ~Answerer() {
    stop_ = true;
    thread_.join();
  }

  std::vector<Box> boxes;
  int dialogs = 0;

 private:
  void Run(DWORD threadId) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!stop_) {
      HWND shown = nullptr;
      ::EnumThreadWindows(threadId, FindShownDialog, reinterpret_cast<LPARAM>(&shown));
      if (shown != nullptr) Meet(shown, std::chrono::steady_clock::now() > deadline);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  void Meet(HWND window, bool late) {
    if (late) {
      ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    } else if (::GetDlgItem(window, kMessageText) != nullptr) {
      boxes.push_back({TextOf(window), TextOf(window, kMessageText)});
      ::PostMessageW(window, WM_COMMAND, IDOK, 0);
    } else {
      ++dialogs;
      answer_(window);
    }
    // Met once: the next window is another.
    while (::IsWindow(window) && ::IsWindowVisible(window)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  std::function<void(HWND)> answer_;
  std::atomic<bool> stop_ = false;
  std::thread thread_;
};

void Choose(HWND dialog, const std::string& path) {
  ::SetDlgItemTextW(dialog, kFileNameBox, Utf16Of(path).c_str());
  ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

// Runs the converter on the same export elsewhere: its results are those of Debian's.
std::string ConverterResult(const std::string& exportFile, const std::string& result) {
  TempDir elsewhere;
  const std::string copy = elsewhere / std::filesystem::path(exportFile).filename().string();
  std::filesystem::copy_file(exportFile, copy);
  std::wstring command =
      L"\"" + Utf16Of(App::Path() + "\\ferolan-convert.exe") + L"\" \"" + Utf16Of(copy) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)) {
    return "the converter does not start";
  }
  ::WaitForSingleObject(process.hProcess, INFINITE);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return ReadBytes(elsewhere / result);
}

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() { ::ShowWindow(window.Window(), SW_SHOW); }

  void ClickBrowse() {
    ::SendMessageW(window.Window(), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(window.Child(form::Id::cmdOpen)), BN_CLICKED),
                   reinterpret_cast<LPARAM>(window.Child(form::Id::cmdOpen)));
  }

  TempDir exports;
  windows::SystemUserServices services;
  windows::SystemWin32Services windowSystem;
  frmDeb window;
};

TEST_F(WindowTest, TheExampleExportChosenInTheSystemsDialogBecomesTheResultFiles) {
  const std::string exportPath = exports / "CE2-A.jad";
  std::filesystem::copy_file(FEROLAN_EXAMPLE_EXPORT, exportPath);
  RECT dialogFrame{}, windowFrame{};
  {
    Answerer answerer([&](HWND dialog) {
      ::GetWindowRect(dialog, &dialogFrame);
      ::GetWindowRect(window.Window(), &windowFrame);
      Choose(dialog, exportPath);
    });
    ClickBrowse();
    ASSERT_EQ(answerer.dialogs, 1);
    EXPECT_EQ(answerer.boxes, (std::vector<Box>{{"Ferolan", "Traitement terminé."}}));
  }
  EXPECT_LE(
      std::abs((dialogFrame.left + dialogFrame.right) - (windowFrame.left + windowFrame.right)) / 2,
      1);
  EXPECT_LE(
      std::abs((dialogFrame.top + dialogFrame.bottom) - (windowFrame.top + windowFrame.bottom)) / 2,
      1);
  for (const char* result : {"CE2-A1.c01", "CE2-A2.c01"}) {
    ASSERT_TRUE(Exists(exports / result)) << result;
    EXPECT_EQ(ReadBytes(exports / result), ConverterResult(exportPath, result)) << result;
  }
}

TEST_F(WindowTest, ACancelledDialogShowsNothingAndWritesNothing) {
  Answerer answerer([](HWND dialog) { ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
  ClickBrowse();
  EXPECT_EQ(answerer.dialogs, 1);
  EXPECT_TRUE(answerer.boxes.empty());
  EXPECT_TRUE(std::filesystem::is_empty(exports.Path()));
}

TEST_F(WindowTest, AnExportThatIsNoArchiveShowsTheExtractionErrorsInOrder) {
  const std::string exportPath = exports / "CE2-B.jad";
  WriteBytes(exportPath, "not an archive at all");
  Answerer answerer([&](HWND dialog) { Choose(dialog, exportPath); });
  ClickBrowse();
  EXPECT_EQ(
      answerer.boxes,
      (std::vector<Box>{{"Ferolan", "Une erreur s'est produite pendant la décompression"},
                        {"Ferolan", "erreur : " + exportPath + " : ce n'est pas une archive zip\n"},
                        {"Ferolan", "Error: Fichier introuvable : CE2-B.xml"}}));
}

// The example export's XML, as a user's protected export holds it.
std::string ExampleXml() {
  int error = 0;
  zip_t* archive = zip_open(FEROLAN_EXAMPLE_EXPORT, ZIP_RDONLY, &error);
  zip_stat_t entry;
  zip_stat(archive, "CE2-A.xml", 0, &entry);
  std::string xml(entry.size, '\0');
  zip_file_t* file = zip_fopen(archive, "CE2-A.xml", 0);
  zip_fread(file, xml.data(), xml.size());
  zip_fclose(file);
  zip_discard(archive);
  return xml;
}

TEST_F(WindowTest, AProtectedExportAsksForItsPasswordInAMaskedBox) {
  const std::string exportPath = exports / "CE2-A.jad";
  MakeArchive(exportPath, {{.name = "CE2-A.xml",
                            .data = ExampleXml(),
                            .encryption = ZIP_EM_AES_256,
                            .password = "secret"}});
  std::string askedBy;
  bool masked = false;
  Answerer answerer([&](HWND dialog) {
    if (answerer.dialogs == 1) return Choose(dialog, exportPath);
    askedBy = TextOf(dialog);
    const HWND field = ::FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    masked = (::GetWindowLongW(field, GWL_STYLE) & ES_PASSWORD) != 0;
    ::SetWindowTextW(field, L"secret");
    ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  ClickBrowse();
  EXPECT_EQ(answerer.dialogs, 2);
  EXPECT_EQ(askedBy, "Ferolan");
  EXPECT_TRUE(masked);
  EXPECT_EQ(answerer.boxes, (std::vector<Box>{{"Ferolan", "Traitement terminé."}}));
  EXPECT_TRUE(Exists(exports / "CE2-A1.c01"));
}

TEST_F(WindowTest, TheWindowIsLaidOutAgainForTheDotsPerInchOfItsScreen) {
  for (const int dpi : {144, 192, 96}) {
    RECT suggested{10, 10, 20, 20};
    ::SendMessageW(window.Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    RECT client, button;
    ::GetClientRect(window.Window(), &client);
    ::GetWindowRect(window.Child(form::Id::cmdOpen), &button);
    ::MapWindowPoints(nullptr, window.Window(), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(client.right, form::Pixels(form::kClientWidth, dpi)) << dpi;
    EXPECT_EQ(client.bottom, form::Pixels(form::kClientHeight, dpi)) << dpi;
    EXPECT_EQ(button.left, form::Pixels(form::ControlOf(form::Id::cmdOpen).place.left, dpi)) << dpi;
    EXPECT_EQ(button.bottom - button.top,
              form::Pixels(form::ControlOf(form::Id::cmdOpen).place.height, dpi))
        << dpi;
  }
}

}  // namespace
}  // namespace ferolan::testing
