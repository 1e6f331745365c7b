#include "platform/qt/WinHelp.h"

#include <QApplication>
#include <QFileInfo>
#include <cstring>
#include <string>
#include <vector>

#include "platform/qt/HelpViewer.h"
#include "platform/qt/WindowTable.h"
#include "platform/win32/HelpFile.h"
#include "platform/win32/LastError.h"

namespace ferolan::qt {

using namespace win32;

namespace {

BOOL Fail(DWORD code) {
  SetLastError(code);
  return 0;
}

// The open viewers of `owner`, closed ones left out; of one file only when a file is given.
std::vector<HelpViewer*> ViewersOf(const QWidget* owner, const QString& file) {
  std::vector<HelpViewer*> viewers;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* viewer = dynamic_cast<HelpViewer*>(window);
    if (viewer != nullptr && !viewer->Closed() && viewer->parentWidget() == owner &&
        (file.isEmpty() || viewer->File() == file)) {
      viewers.push_back(viewer);
    }
  }
  return viewers;
}

QString AbsoluteName(const std::string& file) {
  return file.empty() ? QString() : QFileInfo(QString::fromStdString(file)).absoluteFilePath();
}

}  // namespace

BOOL WinHelp(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
  QWidget* owner = nullptr;
  if (hWndMain != 0) {
    QWidget* widget = WindowOf(hWndMain);
    if (widget == nullptr) return Fail(ERROR_INVALID_WINDOW_HANDLE);
    owner = widget->window();
  }
  const std::string file = lpszHelp == nullptr ? std::string() : std::string(lpszHelp);
  const QString name = AbsoluteName(file);

  HELPWININFOA position{};
  switch (uCommand) {
    case HELP_QUIT:
      for (HelpViewer* viewer : ViewersOf(owner, name)) viewer->close();
      return 1;
    case HELP_SETWINPOS:
      if (dwData == 0) return Fail(ERROR_INVALID_PARAMETER);
      std::memcpy(&position, reinterpret_cast<const void*>(dwData), sizeof position);
      break;
    case HELP_CONTENTS:
    case HELP_CONTEXT:
    case HELP_KEY:
      break;
    default:
      return Fail(ERROR_INVALID_PARAMETER);
  }

  // A viewer open for the file is shown as it is; only a new one reads the file.
  const std::vector<HelpViewer*> open =
      name.isEmpty() ? std::vector<HelpViewer*>() : ViewersOf(owner, name);
  HelpViewer* viewer = open.empty() ? nullptr : open.front();
  if (viewer == nullptr) {
    const HelpFile content = ReadHelpFile(file);
    if (content.error != 0) return Fail(content.error);
    viewer = new HelpViewer(owner, name, content);
  }

  switch (uCommand) {
    case HELP_SETWINPOS:
      viewer->Place(position);
      break;
    case HELP_CONTEXT:
      viewer->Present();
      viewer->GoToTop();
      viewer->GoToAnchor(QString::number(dwData));
      break;
    case HELP_KEY:
      viewer->Present();
      viewer->GoToText(dwData == 0 ? QString()
                                   : QString::fromStdString(reinterpret_cast<LPCSTR>(dwData)));
      break;
    default:
      viewer->Present();
      viewer->GoToTop();
      break;
  }
  return 1;
}

}  // namespace ferolan::qt
