// The file dialog's texts: an arbitrary filter, filter index, preset name and flags go into
// the dialog's record, an arbitrary answer comes back in its file buffer, and the answer is
// split as a multi-select result.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "commondialog/cCommonDialog.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/scripted/ScriptedWin32.h"
#include "tests/commondialog/DialogScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ferolan;
  FuzzedDataProvider input(data, size);
  ScriptedWin32 platform;
  cCommonDialogEvents owner;
  cCommonDialog dialog(owner);
  dialog.Filter(input.ConsumeRandomLengthString(1024));
  dialog.FilterIndex(input.ConsumeIntegral<int32_t>());
  dialog.Filename(input.ConsumeRandomLengthString(1024));
  dialog.DefaultExt(input.ConsumeRandomLengthString(16));
  dialog.flags(input.ConsumeIntegral<int32_t>());
  dialog.MaxFileSize(input.ConsumeIntegralInRange<int32_t>(-1, 4096));
  platform.fileDialogAnswers.push_back(testing::Fill(input.ConsumeRemainingBytesAsString()));
  try {
    dialog.ShowOpen();
  } catch (const RuntimeError&) {
  }
  std::string folder;
  std::vector<std::string> names;
  int32_t count = 0;
  try {
    dialog.ParseMultiFileName(folder, names, count);
  } catch (const RuntimeError&) {
  }
  return 0;
}
