#include "platform/runtime/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace ferolan {

namespace {

// The value of a line `XDG_DOCUMENTS_DIR="$HOME/..."` or `XDG_DOCUMENTS_DIR="/..."`, with the
// shell's backslash escapes undone; nothing for any other line.
std::optional<std::string> DocumentsEntry(const std::string& line, const std::string& home) {
  constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
  if (!line.starts_with(kKey)) return std::nullopt;
  std::string value;
  for (std::size_t i = kKey.size(); i < line.size(); ++i) {
    if (line[i] == '"') break;
    if (line[i] == '\\' && i + 1 < line.size()) ++i;
    value += line[i];
  }
  constexpr std::string_view kHome = "$HOME";
  if (value.starts_with(kHome)) return home + value.substr(kHome.size());
  if (value.starts_with('/')) return value;
  return std::nullopt;
}

std::string ConfigFolder(const std::string& home) {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return config;
  return home + "/.config";
}

}  // namespace

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return home;
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
    return user->pw_dir;
  }
  return {};
}

std::string DocumentsFolder() {
  const std::string home = HomeFolder();
  std::ifstream dirs(ConfigFolder(home) + "/user-dirs.dirs");
  std::optional<std::string> documents;
  for (std::string line; std::getline(dirs, line);) {
    if (auto entry = DocumentsEntry(line, home)) documents = std::move(entry);
  }
  std::error_code ec;
  if (documents && std::filesystem::is_directory(*documents, ec)) return *documents;
  return home;
}

}  // namespace ferolan
