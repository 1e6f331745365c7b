// The OPENFILENAMEA record that ShowOpen and ShowSave build, checked against what a scripted
// platform dialog receives.
#include <gtest/gtest.h>

#include <climits>

#include "app/window/ExportDialog.h"
#include "commondialog/GCommonDialog.h"
#include "commondialog/cCommonDialog.h"
#include "commondialog/mDialogHook.h"
#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/commondialog/DialogScript.h"
#include "tests/support/ErrorNumber.h"

namespace ferolan {
namespace {

using namespace std::string_literals;
using testing::ErrorNumberOf;
using namespace winapi;
using testing::kJadFilter;
using testing::Pick;

TEST(FileDialogRecordTest, TheMainWindowsRequestReachesTheRecordFieldByField) {
  ScriptedWin32 platform;
  platform.fileDialogAnswers = {Pick("/home/prof/exports/ce2.jad")};
  cCommonDialog dialog;
  ConfigureExportDialog(dialog, App::Path());  // as the main window's request does
  dialog.ShowOpen();

  ASSERT_EQ(platform.openRequests.size(), 1u);
  const ScriptedWin32::FileNameRequest& request = platform.openRequests[0];
  const OPENFILENAMEA& record = request.record;
  EXPECT_EQ(record.lStructSize, 76u);
  EXPECT_EQ(record.hwndOwner, 0);
  EXPECT_EQ(record.hInstance, 0);
  EXPECT_EQ(record.Flags, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_EXPLORER);
  EXPECT_EQ(request.filter, "Exportation d'une évaluation J'ADE (*.jad)\0*.jad\0\0"s);
  EXPECT_EQ(record.lpstrCustomFilter, nullptr);
  EXPECT_EQ(record.nMaxCustFilter, 0u);
  EXPECT_EQ(record.nFilterIndex, 1u);
  EXPECT_EQ(record.nMaxFile, DWORD{PATH_MAX});
  EXPECT_EQ(request.file, std::string(PATH_MAX, '\0'));
  EXPECT_EQ(record.nMaxFileTitle, DWORD{PATH_MAX});
  EXPECT_EQ(request.fileTitle, std::string(PATH_MAX, '\0'));
  EXPECT_EQ(request.initialDir, App::Path());
  EXPECT_EQ(request.title, "L'équipe Ferolan - Parcourir...");
  EXPECT_EQ(request.defExt, "");
  EXPECT_EQ(record.lCustData, 0);
  EXPECT_EQ(record.lpfnHook, mDialogHook::HookProc1);
  EXPECT_EQ(record.lpTemplateName, nullptr);

  EXPECT_EQ(dialog.Filename(), "/home/prof/exports/ce2.jad");
  EXPECT_EQ(dialog.FileTitle(), "ce2.jad");
  EXPECT_EQ(dialog.flags(), 0x81024);
  EXPECT_EQ(dialog.FilterIndex(), 1);
  EXPECT_EQ(dialog.Filter(), "Exportation d'une évaluation J'ADE (*.jad)\0*.jad"s);
}

TEST(FileDialogRecordTest, ASecondOpenStartsFromThePreviousResultAndACancelEmptiesIt) {
  ScriptedWin32 platform;
  platform.fileDialogAnswers = {Pick("/e/ce2.jad")};
  cCommonDialog dialog;
  dialog.ShowOpen();
  dialog.ShowOpen();  // cancelled: CancelError is off
  dialog.ShowOpen();

  ASSERT_EQ(platform.openRequests.size(), 3u);
  EXPECT_EQ(GCommonDialog::CutAtNul(platform.openRequests[1].file), "/e/ce2.jad");
  EXPECT_EQ(GCommonDialog::CutAtNul(platform.openRequests[1].fileTitle), "ce2.jad");
  EXPECT_EQ(platform.openRequests[2].file, std::string(PATH_MAX, '\0'));
}

struct FlagCase {
  const char* name;
  bool save;
  int32_t flags;
  int32_t hInstance;
  bool hook;
  DWORD recordFlags;
};

void PrintTo(const FlagCase& c, std::ostream* os) { *os << c.name; }

class FlagTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(FlagTest, OnlyTheDialogsOwnBitsReachTheRecord) {
  const FlagCase& c = GetParam();
  ScriptedWin32 platform;
  cCommonDialog dialog;
  dialog.flags(c.flags);
  dialog.hInstance(c.hInstance);
  dialog.TemplateName(101);
  dialog.HookDialog(c.hook);
  int32_t flagsDuringTheDialog = -1;
  platform.fileDialogAnswers = {[&](OPENFILENAMEA&) {
    flagsDuringTheDialog = dialog.flags();
    return 0;
  }};
  c.save ? dialog.ShowSave() : dialog.ShowOpen();

  const auto& requests = c.save ? platform.saveRequests : platform.openRequests;
  ASSERT_EQ(requests.size(), 1u);
  const OPENFILENAMEA& record = requests[0].record;
  EXPECT_EQ(record.Flags, c.recordFlags);
  const bool withTemplate = (c.recordFlags & OFN_ENABLETEMPLATE) != 0;
  EXPECT_EQ(record.hInstance, withTemplate ? c.hInstance : 0);
  EXPECT_EQ(record.lpTemplateName, withTemplate ? MAKEINTRESOURCEA(101) : nullptr);
  // Without a module the template bit is dropped from the property before the dialog.
  EXPECT_EQ((flagsDuringTheDialog & 0x40) != 0, withTemplate);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, FlagTest,
    ::testing::Values(FlagCase{"OpenNone", false, 0, 0, false, 0},
                      FlagCase{"OpenMainWindowUnhooked", false, 6148, 0, false, 0x1004},
                      FlagCase{"OpenReadOnly", false, 0x1, 0, false, 0x1},
                      FlagCase{"OpenMultiSelectIsExplorer", false, 0x200, 0, false, 0x80200},
                      FlagCase{"OpenHooked", false, 0, 0, true, 0x80020},
                      FlagCase{"OpenOverwritePromptIsDropped", false, 0x2, 0, false, 0},
                      FlagCase{"OpenEveryBit", false, -1, 0, false, 0x81205},
                      FlagCase{"OpenTemplateWithoutModule", false, 0x40, 0, false, 0},
                      FlagCase{"OpenTemplateWithModule", false, 0x40, 5, false, 0x40},
                      FlagCase{"SaveNone", true, 0, 0, false, 0x4},
                      FlagCase{"SaveOverwritePrompt", true, 0x2, 0, false, 0x6},
                      FlagCase{"SaveOpenBitsAreDropped", true, 0x1201, 0, false, 0x4},
                      FlagCase{"SaveHooked", true, 0x2, 0, true, 0x80026},
                      FlagCase{"SaveTemplateWithModule", true, 0x40, 5, false, 0x44}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileDialogRecordTest, AZeroFilterIndexShowsTheFirstEntryOnOpenAndIsPassedOnSave) {
  ScriptedWin32 platform;
  cCommonDialog dialog;
  dialog.Filter("A|*.a|B|*.b");
  dialog.FilterIndex(0);
  dialog.ShowOpen();
  dialog.FilterIndex(0);
  dialog.ShowSave();
  EXPECT_EQ(platform.openRequests.at(0).record.nFilterIndex, 1u);
  EXPECT_EQ(platform.saveRequests.at(0).record.nFilterIndex, 0u);
}

TEST(FileDialogRecordTest, TheChosenEntryComesBackAsFilterAndFilterIndex) {
  ScriptedWin32 platform;
  platform.fileDialogAnswers = {[](OPENFILENAMEA& ofn) {
    ofn.nFilterIndex = 2;
    return Pick("/d/notes.txt")(ofn);
  }};
  cCommonDialog dialog;
  dialog.Filter("Exportations (*.jad)|*.jad|Textes: bruts|*.txt");
  dialog.ShowOpen();
  EXPECT_EQ(platform.openRequests.at(0).filter,
            "Exportations (*.jad)\0*.jad\0Textes\0 bruts\0*.txt\0\0"s);
  EXPECT_EQ(dialog.FilterIndex(), 2);
  // The colon split the description, so the second entry is the tail of the first pair.
  EXPECT_EQ(dialog.Filter(), "Textes\0 bruts"s);
}

struct CancelCase {
  const char* name;
  bool save;
  bool cancelError;
  int32_t filterIndex;
};

void PrintTo(const CancelCase& c, std::ostream* os) { *os << c.name; }

class CancelTest : public ::testing::TestWithParam<CancelCase> {};

TEST_P(CancelTest, ACancelEmptiesTheFileSettingsAndRaises20001OnlyWhenAsked) {
  const CancelCase& c = GetParam();
  ScriptedWin32 platform;
  cCommonDialog dialog;
  dialog.Filename("/e/ancien.jad");
  dialog.FileTitle("ancien.jad");
  dialog.Filter(kJadFilter);
  dialog.flags(6148);
  dialog.FilterIndex(1);
  dialog.CancelError(c.cancelError);
  try {
    c.save ? dialog.ShowSave() : dialog.ShowOpen();
    EXPECT_FALSE(c.cancelError) << "no error raised";
  } catch (const RuntimeError& error) {
    EXPECT_TRUE(c.cancelError);
    EXPECT_EQ(error.Number(), 20001);
    EXPECT_EQ(error.Source(), App::EXEName() + ".cCommonDialog");
    EXPECT_EQ(error.Description(), "Abandon de l'utilisateur.");
  }
  EXPECT_EQ(dialog.Filename(), "");
  EXPECT_EQ(dialog.FileTitle(), "");
  EXPECT_EQ(dialog.Filter(), "");
  EXPECT_EQ(dialog.flags(), 0);
  EXPECT_EQ(dialog.FilterIndex(), c.filterIndex);
}

INSTANTIATE_TEST_SUITE_P(Cancels, CancelTest,
                         ::testing::Values(CancelCase{"OpenWithCancelError", false, true, -1},
                                           CancelCase{"OpenSilently", false, false, -1},
                                           CancelCase{"SaveWithCancelError", true, true, 0},
                                           CancelCase{"SaveSilently", true, false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileDialogRecordTest, AFailingDialogRaisesItsExtendedErrorOr13450) {
  ScriptedWin32 platform;
  platform.extendedError = FNERR_BUFFERTOOSMALL;
  platform.fileDialogAnswers = {[](OPENFILENAMEA&) { return 2; }};
  cCommonDialog dialog;
  dialog.Filename("/e/ancien.jad");
  try {
    dialog.ShowOpen();
    FAIL() << "no error raised";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), 0x3003 | 13450);
    EXPECT_EQ(error.Source(), App::EXEName() + ".cCommonDialog");
    EXPECT_EQ(error.Description(), "");
  }
  EXPECT_EQ(dialog.Filename(), "");
  EXPECT_EQ(dialog.FilterIndex(), -1);
}

TEST(FileDialogRecordTest, TheWorkerKeepsTheReturnAndAsksForTheExtendedErrorOnlyOnAFailure) {
  ScriptedWin32 platform;
  platform.extendedError = FNERR_BUFFERTOOSMALL;
  platform.fileDialogAnswers = {[](OPENFILENAMEA&) { return 2; }, [](OPENFILENAMEA&) { return 0; }};
  GCommonDialog worker;
  testing::OpenSettings settings;
  EXPECT_FALSE(settings.VBGetOpenFileName(worker));
  EXPECT_EQ(worker.APIReturn(), 2);
  EXPECT_EQ(worker.ExtendedError(), 0x3003);
  // A zero return is a cancel, whatever the platform's extended error says.
  EXPECT_FALSE(settings.VBGetOpenFileName(worker));
  EXPECT_EQ(worker.APIReturn(), 0);
  EXPECT_EQ(worker.ExtendedError(), 0);
}

struct ArgumentCase {
  const char* name;
  int32_t flags;
  std::size_t filenameLength;
  std::size_t fileTitleLength;
  std::size_t filterLength;
  long error;  // 0: the dialog is shown
};

void PrintTo(const ArgumentCase& c, std::ostream* os) { *os << c.name; }

class ArgumentTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(ArgumentTest, PresetsLongerThanTheirBuffersFailBeforeAnyDialog) {
  const ArgumentCase& c = GetParam();
  ScriptedWin32 platform;
  cCommonDialog dialog;
  dialog.flags(c.flags);
  dialog.HookDialog(true);
  dialog.Filename(std::string(c.filenameLength, 'f'));
  dialog.FileTitle(std::string(c.fileTitleLength, 't'));
  dialog.Filter(std::string(c.filterLength, 'x'));
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowOpen(); }), c.error);
  EXPECT_EQ(platform.openRequests.size(), c.error == 0 ? 1u : 0u);
  EXPECT_EQ(mDialogHook::GetHookTarget(), nullptr);
  if (c.error != 0) {
    EXPECT_EQ(dialog.Filename().size(), c.filenameLength);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ArgumentTest,
    ::testing::Values(ArgumentCase{"NameFillsItsBuffer", 0, PATH_MAX, 0, 0, 0},
                      ArgumentCase{"NameTooLong", 0, PATH_MAX + 1, 0, 0, 5},
                      ArgumentCase{"TitleTooLong", 0, 0, PATH_MAX + 1, 0, 5},
                      ArgumentCase{"MultiSelectNameFillsItsBuffer", 0x200, 8192, 8192, 0, 0},
                      ArgumentCase{"MultiSelectNameTooLong", 0x200, 8193, 0, 0, 5},
                      ArgumentCase{"LongestFilter", 0, 0, 0, 32767, 0},
                      ArgumentCase{"FilterTooLong", 0, 0, 0, 32768, 6},
                      ArgumentCase{"OverflowComesFirst", 0, PATH_MAX + 1, 0, 32768, 6}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileDialogRecordTest, TheTemplateFreeWorkersClearTheTemplateBitInTheCallersFlags) {
  ScriptedWin32 platform;
  testing::OpenSettings settings;
  settings.flags = 0x40 | 0x1000;
  std::vector<int32_t> flagsSeen;
  const auto record = [&](OPENFILENAMEA& ofn) {
    flagsSeen.push_back(settings.flags);
    EXPECT_EQ(ofn.Flags & OFN_ENABLETEMPLATE, 0u);
    return 0;
  };
  platform.fileDialogAnswers = {record, record};
  GCommonDialog worker;
  settings.VBGetOpenFileName(worker);
  settings.flags = 0x40;
  worker.VBGetSaveFileName(settings.Filename, settings.FileTitle, false, settings.Filter,
                           settings.FilterIndex, "", "", "", 0, settings.flags, false, nullptr);
  EXPECT_EQ(flagsSeen, (std::vector<int32_t>{0x1000, 0}));
}

TEST(FileDialogRecordTest, AnOwnerOfMinusOneLeavesTheDialogWithoutOwner) {
  ScriptedWin32 platform;
  cCommonDialog dialog;
  dialog.hwnd(-1);
  dialog.ShowOpen();
  dialog.hwnd(7);
  dialog.ShowSave();
  EXPECT_EQ(platform.openRequests.at(0).record.hwndOwner, 0);
  EXPECT_EQ(platform.saveRequests.at(0).record.hwndOwner, 7);
}

}  // namespace
}  // namespace ferolan
