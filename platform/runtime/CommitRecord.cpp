#include "platform/runtime/CommitRecord.h"

#include <charconv>
#include <vector>

#include "platform/runtime/ResultNames.h"

namespace ferolan {

namespace {

constexpr std::string_view kHeading = "ferolan-commit 1";
constexpr std::string_view kEnd = "end";

// One field a line: names may hold any character but the line ends and the escape itself.
std::string Escaped(std::string_view value) {
  std::string text;
  for (const char c : value) {
    if (c == '%') {
      text += "%25";
    } else if (c == '\n') {
      text += "%0A";
    } else if (c == '\r') {
      text += "%0D";
    } else {
      text += c;
    }
  }
  return text;
}

std::optional<std::string> Unescaped(std::string_view text) {
  std::string value;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      value += text[i];
      continue;
    }
    const std::string_view code = text.substr(i + 1, 2);
    if (code == "25") {
      value += '%';
    } else if (code == "0A") {
      value += '\n';
    } else if (code == "0D") {
      value += '\r';
    } else {
      return std::nullopt;
    }
    i += 2;
  }
  return value;
}

std::optional<std::uint64_t> Number(std::string_view text) {
  std::uint64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  return number;
}

constexpr const char* kFields[] = {"shown", "folder",  "leaf", "staged",
                                   "kept",  "earlier", "size", "digest"};
constexpr std::size_t kFieldCount = std::size(kFields);

void Append(std::string& text, const RecordedResult& result) {
  const std::string values[] = {result.shownPath,
                                result.folder,
                                result.leaf,
                                result.staged,
                                result.kept,
                                result.hadEarlier ? "1" : "0",
                                std::to_string(result.newContent.size),
                                std::to_string(result.newContent.digest)};
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    text += std::string(kFields[i]) + " " + Escaped(values[i]) + "\n";
  }
}

// The result whose fields are the lines from `first` on.
std::optional<RecordedResult> ReadResult(const std::vector<std::string_view>& lines,
                                         std::size_t first) {
  std::string values[kFieldCount];
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    const std::string_view line = lines[first + i];
    const std::string key = std::string(kFields[i]) + " ";
    if (!line.starts_with(key)) return std::nullopt;
    std::optional<std::string> value = Unescaped(line.substr(key.size()));
    if (!value) return std::nullopt;
    values[i] = std::move(*value);
  }
  RecordedResult result{values[0], values[1], values[2], values[3], values[4], false, {}};
  const std::optional<std::uint64_t> size = Number(values[6]);
  const std::optional<std::uint64_t> digest = Number(values[7]);
  if ((values[5] != "0" && values[5] != "1") || !size || !digest || result.leaf.empty() ||
      result.folder.empty() || !IsStagedNameOf(result.staged, result.leaf) ||
      !IsKeptNameOf(result.kept, result.leaf)) {
    return std::nullopt;
  }
  result.hadEarlier = values[5] == "1";
  result.newContent = {*size, *digest};
  return result;
}

}  // namespace

std::string CommitRecord::Text() const {
  std::string text = std::string(kHeading) + "\n";
  Append(text, french);
  Append(text, maths);
  return text + std::string(kEnd) + "\n";
}

std::optional<CommitRecord> CommitRecord::Read(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) return std::nullopt;  // cut short
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  if (lines.size() != 2 + 2 * kFieldCount || lines.front() != kHeading || lines.back() != kEnd) {
    return std::nullopt;
  }
  std::optional<RecordedResult> french = ReadResult(lines, 1);
  std::optional<RecordedResult> maths = ReadResult(lines, 1 + kFieldCount);
  if (!french || !maths) return std::nullopt;
  return CommitRecord{std::move(*french), std::move(*maths)};
}

}  // namespace ferolan
