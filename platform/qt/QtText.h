// Program text (bytes in the system's narrow encoding, lines broken by a single CR) as Qt
// shows it, and back.
#pragma once

#include <QString>
#include <string>

namespace ferolan::qt {

// Each CR becomes a line break.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

}  // namespace ferolan::qt
