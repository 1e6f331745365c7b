// The platform's open and save dialogs over a real QFileDialog, offscreen: the record in and
// out, and the messages its hook receives.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>
#include <algorithm>
#include <cstring>

#include "platform/qt/QtWin32Services.h"
#include "platform/qt/WindowTable.h"
#include "tests/platform/qt/QtTestSupport.h"
#include "tests/support/TempDir.h"

namespace ferolan::qt {
namespace {

using namespace std::string_literals;
using namespace winapi;
using ferolan::testing::Accept;
using ferolan::testing::TempDir;
using ferolan::testing::WhenShowing;
using ferolan::testing::WriteBytes;

// A record over buffers of its own, in a folder holding a.jad, b.jad and c.txt.
struct Record {
  explicit Record(DWORD flags, DWORD fileSize = 260, std::string filterList = {})
      : filter(std::move(filterList)), file(fileSize, '\0'), title(260, '\0') {
    for (const char* name : {"a.jad", "b.jad", "c.txt"}) WriteBytes(folder / name, name);
    initialDir = folder.Path().string();
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = fileSize;
    ofn.lpstrFileTitle = title.data();
    ofn.nMaxFileTitle = 260;
    ofn.lpstrInitialDir = initialDir.c_str();
    ofn.Flags = flags;
  }
  std::string Path(const std::string& name) const { return folder / name; }

  TempDir folder;
  std::string filter;
  std::string file;
  std::string title;
  std::string initialDir;
  OPENFILENAMEA ofn{};
};

// What the test hook saw, and how it answers CDN_FILEOK.
struct HookLog {
  std::vector<std::string> events;
  HWND hDlg = 0;
  HWND notifier = 0;
  LPARAM initParam = 0;
  bool visibleAtInit = true;
  DWORD filterIndexAtTypeChange = 0;
  bool vetoFileOk = false;
};
HookLog* hookLog = nullptr;

std::string NameOf(UINT code) {
  switch (code) {
    case CDN_INITDONE:
      return "CDN_INITDONE";
    case CDN_SELCHANGE:
      return "CDN_SELCHANGE";
    case CDN_FOLDERCHANGE:
      return "CDN_FOLDERCHANGE";
    case CDN_FILEOK:
      return "CDN_FILEOK";
    case CDN_TYPECHANGE:
      return "CDN_TYPECHANGE";
    default:
      return "CDN " + std::to_string(code);
  }
}

UINT_PTR RecordingHook(HWND hDlg, UINT msg, WPARAM, LPARAM lParam) {
  HookLog& log = *hookLog;
  log.hDlg = hDlg;
  if (msg == WM_INITDIALOG) {
    log.events.push_back("WM_INITDIALOG");
    log.initParam = lParam;
    log.visibleAtInit = WindowOf(GetParent(hDlg))->isVisible();
  } else if (msg == WM_DESTROY) {
    log.events.push_back("WM_DESTROY");
  } else if (msg == WM_NOTIFY) {
    const auto& notify = *reinterpret_cast<const OFNOTIFYA*>(lParam);
    log.events.push_back(NameOf(notify.hdr.code));
    log.notifier = notify.hdr.hwndFrom;
    if (notify.hdr.code == CDN_TYPECHANGE) log.filterIndexAtTypeChange = notify.lpOFN->nFilterIndex;
    if (notify.hdr.code == CDN_FILEOK && log.vetoFileOk) {
      SetWindowLongA(hDlg, DWL_MSGRESULT, 1);
      return 1;
    }
  }
  return 0;
}

class FileDialogTest : public ::testing::Test {
 protected:
  FileDialogTest() { hookLog = &log; }
  ~FileDialogTest() override { hookLog = nullptr; }

  void Hook(Record& record) {
    record.ofn.Flags |= OFN_ENABLEHOOK | OFN_EXPLORER;
    record.ofn.lpfnHook = RecordingHook;
  }
  // Events other than selection changes, which follow the view as it fills.
  std::vector<std::string> Events() const {
    std::vector<std::string> events;
    std::copy_if(log.events.begin(), log.events.end(), std::back_inserter(events),
                 [](const std::string& e) { return e != "CDN_SELCHANGE"; });
    return events;
  }

  QtWin32Services platform;
  HookLog log;
};

void Choose(QFileDialog& dialog, const QString& name) {
  dialog.selectFile(name);
  Accept(dialog);
}

// Names typed as the user types several: "a" "b".
void Type(QFileDialog& dialog, const QString& names) {
  dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(names);
  Accept(dialog);
}

TEST_F(FileDialogTest, TheHookSeesTheDialogFromInitialisationToDestruction) {
  Record record(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
  Hook(record);
  WhenShowing<QFileDialog>([](QFileDialog& dialog) { Choose(dialog, "a.jad"); });
  ASSERT_EQ(GetOpenFileNameA(&record.ofn), 1);

  const std::vector<std::string> expected = {"WM_INITDIALOG", "CDN_INITDONE", "CDN_FOLDERCHANGE",
                                             "CDN_FILEOK", "WM_DESTROY"};
  EXPECT_EQ(Events(), expected);
  EXPECT_FALSE(log.visibleAtInit);
  EXPECT_EQ(log.initParam, reinterpret_cast<LPARAM>(&record.ofn));
  EXPECT_NE(log.hDlg, log.notifier);  // a child window, the dialog notifies
  EXPECT_EQ(record.file,
            record.Path("a.jad") + std::string(260 - record.Path("a.jad").size(), '\0'));
  EXPECT_STREQ(record.title.c_str(), "a.jad");
  EXPECT_EQ(CommDlgExtendedError(), 0u);
}

TEST_F(FileDialogTest, AHookAnsweringFileOkWithAMessageResultKeepsTheDialogOpen) {
  Record record(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
  Hook(record);
  log.vetoFileOk = true;
  bool openAfterVeto = false;
  WhenShowing<QFileDialog>([&](QFileDialog& dialog) {
    Choose(dialog, "a.jad");
    openAfterVeto = dialog.isVisible();
    log.vetoFileOk = false;
    Choose(dialog, "b.jad");
  });
  ASSERT_EQ(GetOpenFileNameA(&record.ofn), 1);
  EXPECT_TRUE(openAfterVeto);
  EXPECT_EQ(std::count(log.events.begin(), log.events.end(), "CDN_FILEOK"), 2);
  EXPECT_STREQ(record.file.c_str(), record.Path("b.jad").c_str());
}

TEST_F(FileDialogTest, TheFilterIndexShowsAnEntryAndComesBackAsChosen) {
  Record record(OFN_HIDEREADONLY, 260, "Exportations\0*.jad\0Textes\0*.txt\0\0"s);
  record.ofn.nFilterIndex = 2;
  Hook(record);
  QString shown;
  WhenShowing<QFileDialog>([&](QFileDialog& dialog) {
    // What the user sees: Qt versions differ in whether selectedNameFilter() keeps the pattern.
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    shown = types->currentText();
    QTest::keyClick(types, Qt::Key_Up);
    Choose(dialog, "a.jad");
  });
  ASSERT_EQ(GetOpenFileNameA(&record.ofn), 1);
  EXPECT_EQ(shown, QStringLiteral("Textes"));
  EXPECT_EQ(log.filterIndexAtTypeChange, 1u);
  EXPECT_EQ(record.ofn.nFilterIndex, 1u);
}

TEST_F(FileDialogTest, SeveralFilesComeBackAsTheirFolderAndNames) {
  Record record(OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
  WhenShowing<QFileDialog>([](QFileDialog& dialog) { Type(dialog, "\"a.jad\" \"b.jad\""); });
  ASSERT_EQ(GetOpenFileNameA(&record.ofn), 1);
  const std::string expected = record.initialDir + "\0a.jad\0b.jad\0\0"s;
  EXPECT_EQ(record.file.substr(0, expected.size()), expected);
  EXPECT_EQ(record.ofn.nFileOffset, record.initialDir.size() + 1);
}

TEST_F(FileDialogTest, AResultLongerThanTheBufferFailsWithBufferTooSmall) {
  Record record(OFN_HIDEREADONLY, 8);
  WhenShowing<QFileDialog>([](QFileDialog& dialog) { Choose(dialog, "a.jad"); });
  EXPECT_EQ(GetOpenFileNameA(&record.ofn), 0);
  EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
}

TEST_F(FileDialogTest, ACancelAnswersZeroWithoutExtendedError) {
  QWidget owner;
  Record record(OFN_HIDEREADONLY);
  record.ofn.hwndOwner = HandleOf(&owner);
  Hook(record);
  QString title;
  QWidget* parent = nullptr;
  WhenShowing<QFileDialog>([&](QFileDialog& dialog) {
    title = dialog.windowTitle();
    parent = dialog.parentWidget();
    dialog.reject();
  });
  EXPECT_EQ(GetOpenFileNameA(&record.ofn), 0);
  EXPECT_EQ(CommDlgExtendedError(), 0u);
  EXPECT_EQ(title, QStringLiteral("Ouvrir"));
  EXPECT_EQ(parent, &owner);
  EXPECT_EQ(log.events.back(), "WM_DESTROY");
  EXPECT_EQ(record.file, std::string(260, '\0'));
}

TEST_F(FileDialogTest, TheReadOnlyBoxShowsUnlessHiddenAndSetsTheFlag) {
  Record record(OFN_READONLY | OFN_FILEMUSTEXIST);
  bool checkedAtStart = false;
  WhenShowing<QFileDialog>([&](QFileDialog& dialog) {
    auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("readOnlyBox"));
    ASSERT_NE(box, nullptr);
    checkedAtStart = box->isChecked();
    box->setChecked(false);
    Choose(dialog, "a.jad");
  });
  ASSERT_EQ(GetOpenFileNameA(&record.ofn), 1);
  EXPECT_TRUE(checkedAtStart);
  EXPECT_EQ(record.ofn.Flags & OFN_READONLY, 0u);

  Record hidden(OFN_READONLY | OFN_HIDEREADONLY);
  bool boxShown = true;
  WhenShowing<QFileDialog>([&](QFileDialog& dialog) {
    boxShown = dialog.findChild<QCheckBox*>(QStringLiteral("readOnlyBox")) != nullptr;
    Choose(dialog, "a.jad");
  });
  ASSERT_EQ(GetOpenFileNameA(&hidden.ofn), 1);
  EXPECT_FALSE(boxShown);
  EXPECT_EQ(hidden.ofn.Flags & OFN_READONLY, OFN_READONLY);
}

TEST_F(FileDialogTest, APresetPathOpensItsFolder) {
  Record record(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
  const std::string preset = record.Path("b.jad");
  std::memcpy(record.file.data(), preset.data(), preset.size());
  record.initialDir = "/";
  record.ofn.lpstrInitialDir = record.initialDir.c_str();
  WhenShowing<QFileDialog>([](QFileDialog& dialog) { Accept(dialog); });
  ASSERT_EQ(GetOpenFileNameA(&record.ofn), 1);
  EXPECT_STREQ(record.file.c_str(), preset.c_str());
}

TEST_F(FileDialogTest, ASaveAddsTheDefaultExtensionAndAsksBeforeOverwriting) {
  Record record(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
  record.ofn.lpstrDefExt = "txt";
  QString title;
  WhenShowing<QFileDialog>([&](QFileDialog& dialog) {
    title = dialog.windowTitle();
    Choose(dialog, "notes");
  });
  ASSERT_EQ(GetSaveFileNameA(&record.ofn), 1);
  EXPECT_EQ(title, QStringLiteral("Enregistrer sous"));
  EXPECT_STREQ(record.file.c_str(), record.Path("notes.txt").c_str());

  bool asked = false;
  WhenShowing<QFileDialog>([&](QFileDialog& dialog) {
    WhenShowing<QMessageBox>([&](QMessageBox& box) {
      asked = true;
      box.button(QMessageBox::Yes)->click();
    });
    Choose(dialog, "c.txt");
  });
  ASSERT_EQ(GetSaveFileNameA(&record.ofn), 1);
  EXPECT_TRUE(asked);
  EXPECT_STREQ(record.file.c_str(), record.Path("c.txt").c_str());
}

TEST_F(FileDialogTest, RecordsThatCannotBeShownFailWithTheirReason) {
  const struct {
    const char* name;
    void (*spoil)(OPENFILENAMEA&);
    DWORD error;
  } cases[] = {
      {"size", [](OPENFILENAMEA& ofn) { ofn.lStructSize = 12; }, CDERR_STRUCTSIZE},
      {"buffer", [](OPENFILENAMEA& ofn) { ofn.lpstrFile = nullptr; }, CDERR_INITIALIZATION},
      {"hook", [](OPENFILENAMEA& ofn) { ofn.Flags |= OFN_ENABLEHOOK; }, CDERR_NOHOOK},
      {"template", [](OPENFILENAMEA& ofn) { ofn.Flags |= OFN_ENABLETEMPLATE; },
       CDERR_FINDRESFAILURE},
  };
  for (const auto& c : cases) {
    Record record(OFN_HIDEREADONLY);
    c.spoil(record.ofn);
    EXPECT_EQ(GetOpenFileNameA(&record.ofn), 0) << c.name;
    EXPECT_EQ(CommDlgExtendedError(), c.error) << c.name;
  }
  EXPECT_EQ(GetSaveFileNameA(nullptr), 0);
  EXPECT_EQ(CommDlgExtendedError(), CDERR_INITIALIZATION);
}

}  // namespace
}  // namespace ferolan::qt
