// The help window behind WinHelpA: a real file shown, placed and closed, one window per file
// and owner, and the calls it refuses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTextBrowser>
#include <QWidget>
#include <vector>

#include "platform/qt/QtHelpViewer.h"
#include "platform/qt/QtWin32Services.h"
#include "platform/qt/WindowTable.h"
#include "platform/winapi/LastError.h"
#include "tests/support/TempDir.h"

namespace ferolan::qt {
namespace {

using namespace winapi;
using ferolan::testing::TempDir;
using ferolan::testing::WriteBytes;

std::vector<QtHelpViewer*> Viewers() {
  std::vector<QtHelpViewer*> viewers;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* viewer = dynamic_cast<QtHelpViewer*>(window)) viewers.push_back(viewer);
  }
  return viewers;
}

// Runs the deletions that closing a viewer asks for.
void DeleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class QtHelpViewerTest : public ::testing::Test {
 protected:
  QtHelpViewerTest() {
    WriteBytes(help,
               "<html><head><title>Aide de Ferolan</title></head><body>"
               "<p>Choisir le fichier J'ADE.</p><a name=\"7\">Sorties casimir</a>"
               "</body></html>");
    window.show();
  }
  ~QtHelpViewerTest() override {
    for (QtHelpViewer* viewer : Viewers()) delete viewer;
  }

  QtWin32Services platform;
  TempDir folder;
  const std::string help = folder / "aide.html";
  QWidget window;
};

TEST_F(QtHelpViewerTest, OpensARealFileOwnedByTheWindowAndClosesIt) {
  const HWND hWnd = HandleOf(&window);
  ASSERT_EQ(WinHelpA(hWnd, help.c_str(), HELP_CONTENTS, 0), 1);
  ASSERT_EQ(Viewers().size(), 1u);
  QtHelpViewer& viewer = *Viewers()[0];
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_EQ(viewer.parentWidget(), &window);
  EXPECT_EQ(viewer.windowTitle(), "Aide de Ferolan");
  EXPECT_TRUE(viewer.Browser().toPlainText().contains("Choisir le fichier J'ADE."));

  // The same file for the same owner shows the same window, whatever the command.
  EXPECT_EQ(WinHelpA(hWnd, help.c_str(), HELP_CONTEXT, 7), 1);
  const std::string keyword = "casimir";
  EXPECT_EQ(WinHelpA(hWnd, help.c_str(), HELP_KEY, reinterpret_cast<ULONG_PTR>(keyword.c_str())),
            1);
  EXPECT_EQ(viewer.Browser().textCursor().selectedText(), "casimir");
  EXPECT_EQ(Viewers().size(), 1u);

  EXPECT_EQ(WinHelpA(hWnd, help.c_str(), HELP_QUIT, 0), 1);
  DeleteClosed();
  EXPECT_TRUE(Viewers().empty());
  EXPECT_EQ(WinHelpA(hWnd, help.c_str(), HELP_QUIT, 0), 1);  // nothing left to close
}

TEST_F(QtHelpViewerTest, AClosedViewerWaitingForDeletionIsNotShownAgain) {
  const HWND hWnd = HandleOf(&window);
  ASSERT_EQ(WinHelpA(hWnd, help.c_str(), HELP_CONTENTS, 0), 1);
  ASSERT_EQ(WinHelpA(hWnd, help.c_str(), HELP_QUIT, 0), 1);
  ASSERT_EQ(WinHelpA(hWnd, help.c_str(), HELP_CONTENTS, 0), 1);
  DeleteClosed();
  ASSERT_EQ(Viewers().size(), 1u);
  EXPECT_TRUE(Viewers()[0]->isVisible());
}

TEST_F(QtHelpViewerTest, OneViewerPerOwnerAndTextFilesShowAsText) {
  const std::string text = folder / "lisez-moi.txt";
  WriteBytes(text, "<b>pas du HTML</b>\n");
  ASSERT_EQ(WinHelpA(HandleOf(&window), help.c_str(), HELP_CONTENTS, 0), 1);
  ASSERT_EQ(WinHelpA(0, help.c_str(), HELP_CONTENTS, 0), 1);
  ASSERT_EQ(WinHelpA(0, text.c_str(), HELP_CONTENTS, 0), 1);
  ASSERT_EQ(Viewers().size(), 3u);
  for (QtHelpViewer* viewer : Viewers()) {
    if (viewer->File().endsWith("lisez-moi.txt")) {
      EXPECT_EQ(viewer->Browser().toPlainText(), "<b>pas du HTML</b>\n");
    }
  }

  // Without a file, HELP_QUIT closes every viewer of the owner and no other.
  EXPECT_EQ(WinHelpA(0, nullptr, HELP_QUIT, 0), 1);
  DeleteClosed();
  ASSERT_EQ(Viewers().size(), 1u);
  EXPECT_EQ(Viewers()[0]->parentWidget(), &window);
}

TEST_F(QtHelpViewerTest, SetWinPosPlacesTheWindowFromTheRecord) {
  HELPWININFOA position{26, 30, 40, 500, 300, SW_SHOWNORMAL, {0, 0}};
  ASSERT_EQ(WinHelpA(HandleOf(&window), help.c_str(), HELP_SETWINPOS,
                     reinterpret_cast<ULONG_PTR>(&position)),
            1);
  ASSERT_EQ(Viewers().size(), 1u);
  QtHelpViewer& viewer = *Viewers()[0];
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_EQ(viewer.frameGeometry(), QRect(30, 40, 500, 300));

  position.wMax = SW_HIDE;
  EXPECT_EQ(WinHelpA(HandleOf(&window), help.c_str(), HELP_SETWINPOS,
                     reinterpret_cast<ULONG_PTR>(&position)),
            1);
  EXPECT_FALSE(viewer.isVisible());
}

TEST_F(QtHelpViewerTest, CallsItCannotServeAnswerZeroWithTheSystemCode) {
  const std::string missing = folder / "absente.html";
  const struct {
    const char* name;
    HWND hWnd;
    const char* file;
    UINT command;
    DWORD error;
  } cases[] = {
      {"missing file", 0, missing.c_str(), HELP_CONTENTS, ERROR_FILE_NOT_FOUND},
      {"no file", 0, nullptr, HELP_CONTEXT, ERROR_FILE_NOT_FOUND},
      {"unknown window", 9999, help.c_str(), HELP_CONTENTS, ERROR_INVALID_WINDOW_HANDLE},
      {"unknown command", 0, help.c_str(), HELP_MULTIKEY, ERROR_INVALID_PARAMETER},
      {"no position record", 0, help.c_str(), HELP_SETWINPOS, ERROR_INVALID_PARAMETER},
  };
  for (const auto& c : cases) {
    SetLastError(NO_ERROR);
    EXPECT_EQ(WinHelpA(c.hWnd, c.file, c.command, 0), 0) << c.name;
    EXPECT_EQ(GetLastError(), c.error) << c.name;
  }
  EXPECT_TRUE(Viewers().empty());
}

}  // namespace
}  // namespace ferolan::qt
