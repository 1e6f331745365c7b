// The window of a help file: the file in a QTextBrowser, owned by the caller's window (or by
// none), deleted when it closes.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "platform/winapi/Help.h"
#include "platform/winapi/HelpCommands.h"
#include "platform/winapi/HelpFile.h"

class QTextBrowser;

namespace ferolan::qt {

class QtHelpViewer final : public QWidget, public winapi::HelpWindow {
 public:
  // `file` is the absolute path that names the viewer; `content` what was read from it.
  QtHelpViewer(QWidget* owner, QString file, const winapi::HelpFile& content);

  const QString& File() const { return file_; }
  // Closed and waiting to be deleted: no longer the viewer of its file.
  bool Closed() const { return closed_; }
  const QTextBrowser& Browser() const { return *browser_; }

  void Present() override;
  void GoToTop() override;
  void GoToAnchor(const std::string& name) override;
  void GoToText(const std::string& text) override;
  void Place(const winapi::HELPWININFOA& position) override;
  // Closes the window, which deletes the viewer once back in the event loop.
  void Close() override { close(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool closed_ = false;
  QString file_;
  QTextBrowser* browser_;
};

}  // namespace ferolan::qt
