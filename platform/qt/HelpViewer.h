// The window of a help file: the file in a QTextBrowser, owned by the caller's window (or by
// none), deleted when it closes.
#pragma once

#include <QString>
#include <QWidget>

#include "platform/win32/Help.h"
#include "platform/win32/HelpFile.h"

class QTextBrowser;

namespace ferolan::qt {

class HelpViewer : public QWidget {
 public:
  // `file` is the absolute path that names the viewer; `content` what was read from it.
  HelpViewer(QWidget* owner, QString file, const win32::HelpFile& content);

  const QString& File() const { return file_; }
  // Closed and waiting to be deleted: no longer the viewer of its file.
  bool Closed() const { return closed_; }
  const QTextBrowser& Browser() const { return *browser_; }

  // Shows the window normally if it is hidden or minimized, in front and active.
  void Present();
  void GoToTop();
  // The anchor of that name, if the file has one.
  void GoToAnchor(const QString& name);
  // Selects the first occurrence of the text, if there is one.
  void GoToText(const QString& text);
  // Moves and sizes the outer window (no size for a width or height of 0 or less), then shows
  // it as the show-window code says.
  void Place(const win32::HELPWININFOA& position);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool closed_ = false;
  QString file_;
  QTextBrowser* browser_;
};

}  // namespace ferolan::qt
