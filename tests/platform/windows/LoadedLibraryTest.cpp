#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/runtime/App.h"
#include "platform/runtime/LibraryHandle.h"
#include "platform/runtime/ProgramStart.h"
#include "platform/runtime/SharedLibrary.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/System.h"
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

namespace ferolan {
namespace {

constexpr const char* kStartVariable = "FEROLAN_TEST_PROGRAM_START";
constexpr DWORD kPlantedLoaded = 3;
constexpr DWORD kPlantedRefused = 4;

// The child's side: a program that starts as ours do, or not, then loads a DLL by its name
// alone, as the system's own code does (a dialog's shell extensions, say).
class LoadByName : public ::testing::Test {
 public:
  explicit LoadByName(bool protect) : protect_(protect) {}
  void TestBody() override {
    if (protect_ && !ProtectProgramStart()) ::ExitProcess(1);
    ::ExitProcess(::LoadLibraryW(L"ferolan_needed.dll") != nullptr ? kPlantedLoaded
                                                                   : kPlantedRefused);
  }

 private:
  bool protect_;
};

[[maybe_unused]] const bool kChildRegistered = [] {
  const char* role = std::getenv(kStartVariable);
  if (role == nullptr) return false;
  ::testing::RegisterTest("ProgramStartChild", "LoadByName", nullptr, nullptr, __FILE__, __LINE__,
                          [protect = std::string(role) == "protected"] {
                            return static_cast<::testing::Test*>(new LoadByName(protect));
                          });
  return true;
}();

TEST(ProgramStartTest, AfterTheFirstCallNoDllIsLoadedFromTheCurrentFolder) {
  const TempDir current;
  const TempDir scratch;
  fs::copy_file(FEROLAN_NEEDED_LIBRARY, current.Path() / "ferolan_needed.dll");
  const fs::path before = fs::current_path();
  fs::current_path(current.Path());
  const auto run = [&](const char* role) {
    return testing::RunThisProgram("ProgramStartChild.*", kStartVariable, role,
                                   scratch.Path().string());
  };
  EXPECT_EQ(run("unprotected"), static_cast<int>(kPlantedLoaded)) << "planted where it is found";
  EXPECT_EQ(run("protected"), static_cast<int>(kPlantedRefused));
  fs::current_path(before);
}

}  // namespace
}  // namespace ferolan
