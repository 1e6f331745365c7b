// The filter list of a file-dialog record, "description NUL patterns NUL ... NUL NUL", as the
// name filters of a QFileDialog: one per entry, in order, "description (pattern pattern)".
#pragma once

#include <QStringList>

#include "platform/winapi/Types.h"

namespace ferolan::qt {

QStringList NameFilters(winapi::LPCSTR lpstrFilter);

// The index among `nameFilters` of the filter a QFileDialog reports as selected: either the
// whole name filter or, when the dialog hides the patterns, the description it shows. -1 for none.
qsizetype IndexOfFilter(const QStringList& nameFilters, const QString& selected);

}  // namespace ferolan::qt
