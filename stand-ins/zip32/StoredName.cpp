#include "stand-ins/zip32/StoredName.h"

#include <utility>
#include <vector>

#include "platform/runtime/Utf8.h"
#include "stand-ins/common/EntryName.h"
#include "stand-ins/common/ErrorText.h"
#include "stand-ins/zip32/Disk.h"

namespace zip32 {

namespace {

StoredName Refused(std::string refusal) { return StoredName{{}, std::move(refusal)}; }

}  // namespace

StoredName NameOf(std::string_view path, bool lastPartOnly) {
  path.remove_prefix(DriveLength(path));
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = start;
    while (end < path.size() && !IsPathSeparator(path[end])) ++end;
    const std::string_view part = path.substr(start, end - start);
    if (part == "..") return Refused("une partie « .. » ne peut pas être rangée");
    if (!part.empty() && part != ".") parts.emplace_back(part);
    start = end + 1;
  }
  if (lastPartOnly && parts.size() > 1) parts.erase(parts.begin(), parts.end() - 1);
  StoredName stored{standin::JoinParts(parts), {}};
  if (stored.name.empty()) return stored;
  if (!ferolan::IsUtf8(stored.name)) return Refused(standin::kNotUtf8Text);
  const standin::EntryPath back = standin::SplitEntryName(stored.name);
  if (!back.refusal.empty()) return Refused("serait refusé à la lecture : " + back.refusal);
  if (back.parts != parts) return Refused("un « \\ » serait lu comme un séparateur de dossiers");
  return stored;
}

}  // namespace zip32
