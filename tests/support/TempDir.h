// A fresh folder for one test, removed with everything in it when the test ends, and small
// helpers to put bytes in files and read them back.
#pragma once

#include <filesystem>
#include <string>

#include "platform/runtime/PathText.h"

namespace ferolan::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The full path of `name` inside the folder, as the program's text (UTF-8).
  std::string operator/(const std::string& name) const { return TextOf(path_ / PathOf(name)); }

 private:
  std::filesystem::path path_;
};

// Paths are the program's text (UTF-8), on every system.
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
// Makes a symbolic link (to a folder when `target` is one); false where the system makes none,
// as under Wine, for the test to be skipped.
bool MakeSymbolicLink(const std::string& target, const std::string& link);

bool Exists(const std::string& path);

// A path that the build names (a Unix one, for the Windows tests that Wine runs), as a full path
// of the system the test runs on.
std::string FullPathOf(const std::string& path);

}  // namespace ferolan::testing
