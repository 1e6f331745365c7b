// Qt's own dialogs keep nothing between runs: the user's QtProject.conf is neither read nor
// written when the program's dialogs are used.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QFileDialog>
#include <QSettings>
#include <filesystem>

#include "commondialog/cCommonDialog.h"
#include "platform/qt/QtWin32Services.h"
#include "tests/platform/qt/QtTestSupport.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using testing::ReadBytes;
using testing::WhenShowing;

TEST(NoSettingsTest, TheDialogsNeitherReadNorWriteQtsSettings) {
  // The user's settings folder for the test program (see QtTestSupport).
  const std::filesystem::path settings =
      std::filesystem::path(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()) /
      "QtProject.conf";
  const std::string earlier = "[FileDialog]\nviewMode=List\n";
  testing::WriteBytes(settings, earlier);
  qt::QtWin32Services platform;
  cCommonDialog dialog;
  QFileDialog::ViewMode view = QFileDialog::List;
  WhenShowing<QFileDialog>([&](QFileDialog& files) {
    view = files.viewMode();
    files.reject();
  });
  dialog.ShowOpen();
  EXPECT_EQ(view, QFileDialog::Detail) << "read";
  EXPECT_EQ(ReadBytes(settings), earlier) << "written";

  std::filesystem::remove(settings);
  WhenShowing<QFileDialog>([](QFileDialog& files) { files.reject(); });
  dialog.ShowSave();
  WhenShowing<QColorDialog>([](QColorDialog& colours) {
    QColorDialog::setCustomColor(0, Qt::red);
    colours.reject();
  });
  dialog.ShowColor();
  // The colour dialog writes its custom colours when the program ends, this way.
  QSettings(QSettings::UserScope, QStringLiteral("QtProject"))
      .setValue(QStringLiteral("Qt/customColors/0"), 1);
  EXPECT_FALSE(std::filesystem::exists(settings));
}

}  // namespace
}  // namespace ferolan
