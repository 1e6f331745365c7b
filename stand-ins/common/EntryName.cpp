#include "stand-ins/common/EntryName.h"

#include <cctype>

#include "stand-ins/common/PartRule.h"

namespace standin {

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

EntryPath SplitEntryName(std::string_view name) {
  EntryPath path;
  if (!name.empty() && IsSeparator(name.front())) {
    path.refusal = "chemin absolu";
    return path;
  }
  if (name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]))) {
    path.refusal = "le chemin commence par une lettre de lecteur";
    return path;
  }
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = start;
    while (end < name.size() && !IsSeparator(name[end])) ++end;
    const std::string_view part = name.substr(start, end - start);
    if (part == "..") {
      path.refusal = "le chemin sort du dossier de destination (« .. »)";
      path.parts.clear();
      return path;
    }
    if (!part.empty() && part != ".") {
      path.refusal = PartRefusal(part);
      if (!path.refusal.empty()) {
        path.parts.clear();
        return path;
      }
      path.parts.emplace_back(part);
    }
    start = end + 1;
  }
  if (path.parts.empty()) path.refusal = "nom vide";
  return path;
}

std::string JoinParts(const std::vector<std::string>& parts) {
  std::string joined;
  for (const std::string& part : parts) {
    if (!joined.empty()) joined += '/';
    joined += part;
  }
  return joined;
}

}  // namespace standin
