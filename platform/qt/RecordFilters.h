// The filter list of a file-dialog record, "description NUL patterns NUL ... NUL NUL", as the
// name filters of a QFileDialog: one per entry, in order, "description (pattern pattern)".
#pragma once

#include <QStringList>

#include "platform/win32/Types.h"

namespace ferolan::qt {

QStringList NameFilters(win32::LPCSTR lpstrFilter);

}  // namespace ferolan::qt
