#include "platform/qt/RecordFilters.h"

#include <cstring>

namespace ferolan::qt {

namespace {

// "*.jad;*.xml" as Qt writes a pattern list; "*.*" means every file, dotted or not.
QString Patterns(const char* patterns) {
  QStringList list;
  for (const QString& pattern : QString::fromUtf8(patterns).split(u';', Qt::SkipEmptyParts)) {
    const QString trimmed = pattern.trimmed();
    if (!trimmed.isEmpty()) list << (trimmed == u"*.*" ? QStringLiteral("*") : trimmed);
  }
  return list.isEmpty() ? QStringLiteral("*") : list.join(u' ');
}

}  // namespace

QStringList NameFilters(winapi::LPCSTR lpstrFilter) {
  QStringList filters;
  if (lpstrFilter == nullptr) return filters;
  // The list ends at the first empty text, description or pattern.
  for (const char* at = lpstrFilter; *at != '\0';) {
    const char* patterns = at + std::strlen(at) + 1;
    if (*patterns == '\0') break;
    filters << QStringLiteral("%1 (%2)").arg(QString::fromUtf8(at), Patterns(patterns));
    at = patterns + std::strlen(patterns) + 1;
  }
  return filters;
}

qsizetype IndexOfFilter(const QStringList& nameFilters, const QString& selected) {
  for (qsizetype i = 0; i < nameFilters.size(); ++i) {
    const QString& filter = nameFilters.at(i);
    if (filter == selected || filter.left(filter.lastIndexOf(u'(')).trimmed() == selected) return i;
  }
  return -1;
}

}  // namespace ferolan::qt
