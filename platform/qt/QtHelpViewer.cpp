#include "platform/qt/QtHelpViewer.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/qt/WindowTable.h"
#include "platform/winapi/WindowFunctions.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

void Load(QTextBrowser& browser, const QString& file, const HelpFile& content) {
  if (!content.html) {
    browser.setPlainText(QString::fromStdString(content.bytes));
    return;
  }
  // Relative links and pictures are found beside the file.
  browser.setSearchPaths({QFileInfo(file).absolutePath()});
  browser.document()->setBaseUrl(QUrl::fromLocalFile(file));
  QStringDecoder decoder = QStringDecoder::decoderForHtml(content.bytes);
  browser.setHtml(decoder.isValid() ? decoder.decode(content.bytes)
                                    : QString::fromStdString(content.bytes));
}

}  // namespace

QtHelpViewer::QtHelpViewer(QWidget* owner, QString file, const HelpFile& content)
    : QWidget(owner, Qt::Window), file_(std::move(file)), browser_(new QTextBrowser(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  // A help window is never the program's last window.
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  Load(*browser_, file_, content);
  const QString title = browser_->documentTitle();
  setWindowTitle(title.isEmpty() ? QFileInfo(file_).fileName() : title);
  resize(640, 480);
}

void QtHelpViewer::closeEvent(QCloseEvent* event) {
  closed_ = true;
  QWidget::closeEvent(event);
}

void QtHelpViewer::Present() {
  if (isHidden() || isMinimized()) showNormal();
  raise();
  activateWindow();
}

void QtHelpViewer::GoToTop() { browser_->moveCursor(QTextCursor::Start); }

void QtHelpViewer::GoToAnchor(const std::string& name) {
  browser_->scrollToAnchor(QString::fromStdString(name));
}

void QtHelpViewer::GoToText(const std::string& text) {
  GoToTop();
  browser_->find(QString::fromStdString(text));
}

void QtHelpViewer::Place(const HELPWININFOA& position) {
  const auto moveAndSize = [this, &position] {
    const bool sized = position.dx > 0 && position.dy > 0;
    SetWindowPos(HandleOf(this), 0, position.x, position.y, position.dx, position.dy,
                 SWP_NOZORDER | SWP_NOACTIVATE | (sized ? 0 : SWP_NOSIZE));
  };
  // A window gets its frame when it shows, so a shown one is sized after; the others keep the
  // place as the one they come back to.
  switch (position.wMax) {
    case SW_HIDE:
      moveAndSize();
      hide();
      break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      moveAndSize();
      showMinimized();
      break;
    case SW_SHOWMAXIMIZED:
      moveAndSize();
      showMaximized();
      break;
    default:
      showNormal();
      moveAndSize();
      break;
  }
}

}  // namespace ferolan::qt
