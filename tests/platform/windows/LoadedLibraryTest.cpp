#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "platform/runtime/App.h"
#include "platform/runtime/LibraryHandle.h"
#include "platform/runtime/SharedLibrary.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnv;
using testing::TempDir;

std::string ModuleFile(void* handle) {
  wchar_t name[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(static_cast<HMODULE>(handle), name, MAX_PATH);
  return fs::path(std::wstring(name, length)).string();
}

// Copies of the test libraries, under their own names and under one found nowhere else, in the
// current folder and in a folder first on PATH: where a DLL is looked for by name.
class PlantedLibraryTest : public ::testing::Test {
 protected:
  PlantedLibraryTest() : path_("PATH", (onPath_.Path().string() + ";") + std::getenv("PATH")) {
    for (const TempDir* dir : {&current_, &onPath_}) {
      for (const char* name : {"ferolan_probe.dll", "ferolan_planted.dll"}) {
        fs::copy_file(FEROLAN_PROBE_LIBRARY, dir->Path() / name);
      }
      fs::copy_file(FEROLAN_NEEDED_LIBRARY, dir->Path() / "ferolan_needed.dll");
    }
    fs::create_directory(current_.Path() / "sub");
    fs::copy_file(FEROLAN_PROBE_LIBRARY, current_.Path() / "sub" / "ferolan_probe.dll");
    fs::current_path(current_.Path());
  }
  // Out of the folder first, which Windows cannot remove while it is current.
  ~PlantedLibraryTest() override { fs::current_path(previous_); }

  const fs::path previous_ = fs::current_path();
  TempDir current_;
  TempDir onPath_;
  ScopedEnv path_;
};

TEST_F(PlantedLibraryTest, OnlyTheCopyBesideTheProgramIsLoaded) {
  const auto probe = SharedLibrary::TryLoad("ferolan_probe");
  ASSERT_NE(probe, nullptr);
  std::string reason;
  void* handle = library_handle::Open("ferolan_probe", reason);
  EXPECT_EQ(ModuleFile(handle), App::Path() + "\\ferolan_probe.dll");
  library_handle::Close(handle);
  EXPECT_EQ(SharedLibrary::TryLoad("ferolan_planted"), nullptr);
}

TEST_F(PlantedLibraryTest, WhatALibraryNeedsIsNotLookedForInTheCurrentFolderNorOnPath) {
  std::string reason;
  EXPECT_EQ(library_handle::Open("ferolan_needy", reason), nullptr);
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(reason.find_first_of("\r\n"), std::string::npos) << reason;
}

TEST_F(PlantedLibraryTest, ARelativePathIsRefused) {
  for (const char* name : {"sub\\ferolan_probe.dll", "sub/ferolan_probe", "\\ferolan_probe.dll"}) {
    std::string reason;
    EXPECT_EQ(library_handle::Open(name, reason), nullptr) << name;
    EXPECT_EQ(reason, "chemin relatif refusé") << name;
  }
}

TEST(LibraryFileNameTest, ANameGetsTheDllSuffixOnce) {
  const struct {
    const char* name;
    const char* file;
  } cases[] = {
      {"unzip32", "unzip32.dll"},     {"unzip32.dll", "unzip32.dll"},
      {"UNZIP32.DLL", "UNZIP32.DLL"}, {"lib\\unzip32", "lib\\unzip32"},
      {"lib/unzip32", "lib/unzip32"},
  };
  for (const auto& c : cases) EXPECT_EQ(LibraryFileName(c.name), c.file) << c.name;
}

}  // namespace
}  // namespace ferolan
