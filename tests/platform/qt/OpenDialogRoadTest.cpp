// The main window's road through the real open dialog, offscreen: its request, the dialog
// centred over it from the InitDialog event and speaking French, the picked file in the
// properties.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFileIconProvider>
#include <QTreeView>
#include <QWidget>
#include <cstdlib>
#include <filesystem>

#include "app/window/ExportDialog.h"
#include "commondialog/cCommonDialog.h"
#include "platform/qt/QtWin32Services.h"
#include "platform/qt/WindowTable.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/platform/qt/QtTestSupport.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using namespace std::string_literals;
using testing::Accept;
using testing::TempDir;
using testing::WhenShowing;

class MainWindow : public QWidget, public cCommonDialogEvents, public WindowHandleOwner {
 public:
  MainWindow() : m_cHookDlg(*this), hwnd_(qt::HandleOf(this)) {
    setGeometry(40, 30, 700, 540);
    show();
    testing::WaitForFrame(*this);
  }
  int32_t hwnd() const override { return hwnd_; }

  void InitDialog(int32_t hDlg) override {
    initDialogs.push_back(hDlg);
    m_cHookDlg.CentreDialog(hDlg, *this);
  }

  cCommonDialog m_cHookDlg;
  std::vector<int32_t> initDialogs;

 private:
  int32_t hwnd_;
};

TEST(OpenDialogRoadTest, TheDialogOpensCentredOverTheWindowAndGivesThePickedFile) {
  TempDir folder;
  testing::WriteBytes(folder / "ce2-2005.jad", "PK");
  testing::WriteBytes(folder / "autre.txt", "");
  qt::QtWin32Services platform;
  MainWindow window;
  ConfigureExportDialog(window.m_cHookDlg, folder.Path().string());

  QPoint dialogCentre, windowCentre;
  QString title, firstColumn;
  WhenShowing<QFileDialog>([&](QFileDialog& dialog) {
    testing::WaitForFrame(dialog);
    dialogCentre = dialog.frameGeometry().center();
    windowCentre = window.frameGeometry().center();
    title = dialog.windowTitle();
    if (const auto* details = dialog.findChild<QTreeView*>()) {
      firstColumn = details->model()->headerData(0, Qt::Horizontal).toString();
    }
    dialog.selectFile(QStringLiteral("ce2-2005.jad"));
    Accept(dialog);
  });
  window.m_cHookDlg.ShowOpen();

  ASSERT_EQ(window.initDialogs.size(), 1u);
  const QWidget* hookWindow = qt::WindowOf(window.initDialogs[0]);
  EXPECT_EQ(hookWindow, nullptr);  // gone with the dialog
  // Centred by its frame, although the frame shows only after the InitDialog event.
  EXPECT_LE(std::abs(dialogCentre.x() - windowCentre.x()), 1);
  EXPECT_LE(std::abs(dialogCentre.y() - windowCentre.y()), 1);
  EXPECT_EQ(title, QStringLiteral("L'équipe Ferolan - Parcourir..."));
  EXPECT_EQ(firstColumn, QStringLiteral("Nom"));
  EXPECT_EQ(QFileIconProvider().type(QFileInfo(QString::fromStdString(folder.Path()))),
            QStringLiteral("Dossier"));  // the "Type" column of a folder
  EXPECT_EQ(window.m_cHookDlg.Filename(), folder / "ce2-2005.jad");
  EXPECT_EQ(window.m_cHookDlg.FileTitle(), "ce2-2005.jad");
  EXPECT_EQ(window.m_cHookDlg.Filter(), "Exportation d'une évaluation J'ADE (*.jad)\0*.jad"s);
  EXPECT_EQ(window.m_cHookDlg.flags(), 0x81024);
}

// Longer than Windows' 260 bytes, which the records first had: accents count two.
TEST(OpenDialogRoadTest, AFileOnALongPathOpens) {
  TempDir folder;
  std::filesystem::path deep = folder.Path();
  while (deep.string().size() < 300) deep /= "Évaluations élèves";
  std::filesystem::create_directories(deep);
  const std::string path = deep / "évaluation.jad";
  testing::WriteBytes(path, "PK");
  ASSERT_GE(path.size(), 300u);
  qt::QtWin32Services platform;
  MainWindow window;
  ConfigureExportDialog(window.m_cHookDlg, folder.Path().string());
  window.m_cHookDlg.InitDir(deep.string());
  WhenShowing<QFileDialog>([](QFileDialog& dialog) {
    dialog.selectFile(QStringLiteral("évaluation.jad"));
    Accept(dialog);
  });
  window.m_cHookDlg.ShowOpen();
  EXPECT_EQ(window.m_cHookDlg.Filename(), path);
}

TEST(OpenDialogRoadTest, ACancelRaises20001AndEmptiesFilename) {
  TempDir folder;
  qt::QtWin32Services platform;
  MainWindow window;
  ConfigureExportDialog(window.m_cHookDlg, folder.Path().string());
  window.m_cHookDlg.Filename(folder / "ancien.jad");
  WhenShowing<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  try {
    window.m_cHookDlg.ShowOpen();
    FAIL() << "no error raised";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), kErrCancel);
  }
  EXPECT_EQ(window.m_cHookDlg.Filename(), "");
  EXPECT_EQ(window.initDialogs.size(), 1u);
}

}  // namespace
}  // namespace ferolan
