#include "app/request/RenamedExport.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <vector>

#include "app/request/CaseOnlyMatch.h"
#include "platform/runtime/PathText.h"
#include "platform/runtime/ShownName.h"

namespace ferolan {

namespace {

constexpr std::string_view kXml = ".xml";

std::vector<std::string> HeldXml(const std::filesystem::path& folder) {
  std::vector<std::string> held;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = TextOf(it->path().filename());
    if (name.size() > kXml.size() && SameButForCase(name.substr(name.size() - kXml.size()), kXml) &&
        it->is_regular_file(ec)) {
      held.push_back(name);
    }
  }
  std::sort(held.begin(), held.end());
  return held;
}

std::string ShownList(const std::vector<std::string>& names) {
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) list += (i == 0 ? "" : ", ") + ShownName(names[i]);
  return list;
}

}  // namespace

std::string RenamedExportHint(const std::string& workBase) {
  const std::filesystem::path expected = PathOf(workBase + std::string(kXml));
  std::error_code ec;
  if (std::filesystem::exists(expected, ec)) return {};
  const std::vector<std::string> sameButForCase = CaseOnlyMatches(expected);
  if (sameButForCase.size() > 1) {
    return "L'exportation contient plusieurs documents de ce nom écrits avec des majuscules "
           "différentes : " +
           ShownList(sameButForCase) + ". Ferolan ne peut pas savoir lequel convertir.";
  }
  const std::vector<std::string> held = HeldXml(expected.parent_path());
  if (held.empty()) return {};

  std::string hint =
      "L'exportation a peut-être été renommée : elle contient " + ShownList(held) + ".";
  if (held.size() == 1) {
    const std::string original = held.front().substr(0, held.front().size() - kXml.size());
    hint += " Redonnez-lui son nom d'origine, " + ShownName(original) + ".jad, puis recommencez.";
  }
  return hint;
}

RuntimeError WithRenamedExportHint(const RuntimeError& error, const std::string& workBase) {
  const std::string hint =
      error.Number() == kErrFileNotFound ? RenamedExportHint(workBase) : std::string();
  if (hint.empty()) return error;
  return RuntimeError(error.Number(), error.Source(), error.Description() + "\r" + hint,
                      error.Subject());
}

}  // namespace ferolan
