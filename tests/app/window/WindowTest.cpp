// The main window, offscreen, with the platform's dialogs and message boxes scripted.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/window/qt/frmDeb.h"
#include "platform/scripted/ScriptedServices.h"
#include "platform/scripted/ScriptedWin32.h"
#include "tests/app/RequestFixture.h"
#include "tests/commondialog/DialogScript.h"

namespace ferolan::testing {
namespace {

using Message = ScriptedServices::Message;

class WindowTest : public RequestFixture {
 protected:
  // The dialog answers by picking `path`, after `during` has run inside the request.
  void WillPick(const std::string& path, std::function<void()> during = {}) {
    platform.fileDialogAnswers.push_back([=](winapi::OPENFILENAMEA& ofn) {
      if (during) during();
      return Pick(path)(ofn);
    });
  }

  ScriptedServices services;
  ScriptedWin32 platform;
  frmDeb window;
};

TEST_F(WindowTest, OpensWithItsTextsAndOption1Selected) {
  window.show();
  EXPECT_EQ(window.windowTitle(), "Ferolan");
  EXPECT_EQ(window.Label1->text(),
            "  Conversion d'un fichier '.jad' de \n   J'ADE en fichiers exploitables par \n"
            "   Excel ou par GPI.");
  EXPECT_EQ(window.Label2->text(),
            "A la fin du traitement vous trouverez avec votre fichier '.jad' les 2 fichiers "
            "créés.\n(un pour le français et un pour les mathématiques)");
  EXPECT_EQ(window.Label3->text(), "Version 2.0");
  EXPECT_EQ(window.Label4->text(), "L'équipe Ferolan");
  EXPECT_TRUE(window.Option1->isChecked());
  EXPECT_FALSE(window.Option2->isChecked());

  // The window's size in twips, at 15 twips a pixel at 96 dpi; the text box lies below it.
  EXPECT_EQ(window.width(), 4680 * window.logicalDpiX() / 1440);
  EXPECT_EQ(window.height(), 3540 * window.logicalDpiY() / 1440);
  EXPECT_GE(window.txtFileName->y(), window.height());

  std::vector<QWidget*> order;
  for (QWidget* w = window.txtFileName; order.size() < 6; w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) order.push_back(w);
  }
  EXPECT_EQ(order, (std::vector<QWidget*>{window.txtFileName, window.Option1, window.Option2,
                                          window.Quitter, window.aide, window.cmdOpen}));
  // Every caption fits its control, whatever font stands in for the window's.
  for (QWidget* control : std::initializer_list<QWidget*>{window.Label1, window.Option1,
                                                          window.Option2, window.cmdOpen}) {
    EXPECT_LE(control->sizeHint().width(), control->width()) << control->metaObject()->className();
  }
  ASSERT_TRUE(window.grab().save(FEROLAN_SCREENSHOT));
}

TEST_F(WindowTest, Option2MakesThatRequestWriteTextFiles) {
  const std::string base = Base();
  const std::string path = MakeExport(base, SmallExportXml());
  window.Option2->click();
  WillPick(path);
  window.cmdOpen->click();
  EXPECT_EQ(window.txtFileName->text().toStdString(), path);
  EXPECT_EQ(ReadBytes(dir / (base + "FR.txt")), kSmallExportFrenchText);
  EXPECT_FALSE(Exists(dir / (base + "1.c01")));
  EXPECT_EQ(services.messages, (std::vector<Message>{{"Traitement terminé.", 0, "Ferolan"}}));
  EXPECT_TRUE(window.Option2->isChecked()) << "the choice stays for the next request";
}

TEST_F(WindowTest, TheOpenDialogIsCentredOverTheWindow) {
  platform.windows[window.hwnd()] = {{100, 50, 420, 320}, 0};
  platform.windows[kDialogWindow] = {{0, 0, 500, 400}, 0};
  platform.windows[kHookWindow] = {{0, 0, 500, 400}, kDialogWindow};
  platform.fileDialogAnswers.push_back(SendToHook(winapi::WM_INITDIALOG, 0, 0));
  window.cmdOpen->click();
  ASSERT_EQ(platform.moves.size(), 1u);
  const ScriptedWin32::Move& move = platform.moves[0];
  EXPECT_EQ(move.hWnd, kDialogWindow);
  EXPECT_EQ(move.x, 100 + (320 - 500) / 2);
  EXPECT_EQ(move.y, 50 + (270 - 400) / 2);
}

TEST_F(WindowTest, WhileARequestRunsTheButtonsWaitAndACloseComesAtItsEnd) {
  const std::string base = Base();
  const std::string path = MakeExport(base, SmallExportXml());
  window.show();
  bool buttonsWaited = false;
  WillPick(path, [&] {
    buttonsWaited =
        !window.cmdOpen->isEnabled() && !window.aide->isEnabled() && !window.Quitter->isEnabled();
    window.close();
    EXPECT_TRUE(window.isVisible()) << "the close waits for the request";
  });
  window.cmdOpen->click();
  EXPECT_TRUE(buttonsWaited);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(Exists(dir / (base + "1.c01")));
  EXPECT_TRUE(WorkFolders().empty()) << "closing removed the work folder";
  EXPECT_TRUE(window.cmdOpen->isEnabled());
}

TEST_F(WindowTest, QuitAndCloseRemoveTheLastRequestsWorkFolder) {
  WillPick(MakeExport(Base("-1"), SmallExportXml()));
  window.cmdOpen->click();
  WillPick(MakeExport(Base("-2"), SmallExportXml()));
  window.cmdOpen->click();
  ASSERT_TRUE(Exists(WorkFile()));
  ASSERT_EQ(WorkFolders().size(), 1u) << "the second request removed the first one's folder";
  window.Quitter->click();
  EXPECT_TRUE(WorkFolders().empty());

  WillPick(MakeExport(Base("-3"), SmallExportXml()));
  window.cmdOpen->click();
  ASSERT_EQ(WorkFolders().size(), 1u);
  window.show();
  window.close();
  EXPECT_TRUE(WorkFolders().empty());
}

TEST_F(WindowTest, TheHelpButtonShowsHowToExport) {
  window.aide->click();
  ASSERT_EQ(services.messages.size(), 1u);
  const Message& help = services.messages[0];
  EXPECT_EQ(help.style, 64);
  EXPECT_EQ(help.title, "L'équipe Ferolan");
  EXPECT_EQ(help.text,
            "Pour exporter le fichier '.jad', ouvrez J'ADE, puis :\r - configuration \r"
            " - évaluations, sélectionnez l'évaluation concernée\r - cliquez sur exporter\r"
            " - prenez 'exportation de l'évaluation sélectionnée (.jad)'\r"
            " - choisissez le groupe d'élèves, validez, nommez le fichier et exportez.");
}

}  // namespace
}  // namespace ferolan::testing
