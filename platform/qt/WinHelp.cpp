#include "platform/qt/WinHelp.h"

#include <QApplication>
#include <QFileInfo>
#include <string>
#include <utility>
#include <vector>

#include "platform/qt/QtHelpViewer.h"
#include "platform/qt/WindowTable.h"
#include "platform/winapi/HelpCommands.h"
#include "platform/winapi/LastError.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

// The viewers of an owner and a file, among the application's windows.
class QtHelpWindows final : public HelpWindowSet {
 public:
  QtHelpWindows(QWidget* owner, QString file) : owner_(owner), file_(std::move(file)) {}

  // Closed viewers are left out: they wait to be deleted.
  std::vector<HelpWindow*> Existing() override {
    std::vector<HelpWindow*> viewers;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* viewer = dynamic_cast<QtHelpViewer*>(window);
      if (viewer != nullptr && !viewer->Closed() && viewer->parentWidget() == owner_ &&
          (file_.isEmpty() || viewer->File() == file_)) {
        viewers.push_back(viewer);
      }
    }
    return viewers;
  }

  HelpWindow* OpenNew(const HelpFile& content) override {
    return new QtHelpViewer(owner_, file_, content);
  }

 private:
  QWidget* owner_;
  QString file_;
};

QString AbsoluteName(const std::string& file) {
  return file.empty() ? QString() : QFileInfo(QString::fromStdString(file)).absoluteFilePath();
}

}  // namespace

BOOL WinHelp(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
  QWidget* owner = nullptr;
  if (hWndMain != 0) {
    QWidget* widget = WindowOf(hWndMain);
    if (widget == nullptr) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
    owner = widget->window();
  }
  const std::string file = lpszHelp == nullptr ? std::string() : std::string(lpszHelp);
  QtHelpWindows windows(owner, AbsoluteName(file));
  return RunHelpCommand(windows, file, uCommand, dwData);
}

}  // namespace ferolan::qt
