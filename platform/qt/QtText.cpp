#include "platform/qt/QtText.h"

namespace ferolan::qt {

QString ToQt(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QChar('\r'), QChar('\n'));
  return shown;
}

std::string FromQt(const QString& text) { return text.toStdString(); }

}  // namespace ferolan::qt
