#include "stand-ins/common/Report.h"

#include <string>

#include "platform/runtime/ShownName.h"

namespace standin {

void Report::Text(std::string_view text) const {
  if (print_ != nullptr && quietLevel_ < 2) print_(text.data(), static_cast<uint32_t>(text.size()));
}

void Report::Line(std::string_view what, std::string_view name) const {
  if (quietLevel_ >= 1) return;
  std::string line;
  line.append(what).append(" : ").append(ferolan::ShownName(name)).append("\n");
  Text(line);
}

void Report::Problem(int32_t code, std::string_view name, std::string_view cause) {
  if (result_ <= UNZIP32_WARNING) result_ = code;
  Print("erreur : ", name, cause);
}

void Report::Warning(std::string_view name, std::string_view cause) {
  if (result_ == UNZIP32_OK) result_ = UNZIP32_WARNING;
  Print("avertissement : ", name, cause);
}

void Report::Print(std::string_view kind, std::string_view name, std::string_view cause) const {
  std::string line(kind);
  if (!name.empty()) line.append(ferolan::ShownName(name)).append(" : ");
  line.append(cause).append("\n");
  Text(line);
}

}  // namespace standin
