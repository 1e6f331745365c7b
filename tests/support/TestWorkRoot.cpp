// Every test program works in a work root of its own, made when it starts and removed when it
// ends: the tests never touch the user's cache, and parallel test programs never meet. A guard
// around each test fails it on anything it left in the work root or in the program's folder,
// and removes that, so that one failing test cannot fail the next ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "platform/runtime/App.h"
#include "platform/runtime/WorkFolder.h"
#include "tests/support/System.h"
#include "tests/support/TempDir.h"

namespace ferolan::testing {
namespace {

namespace fs = std::filesystem;

// The root's lock file is made by the first request and belongs to the root, not to a test.
constexpr const char* kRootLock = ".lock";

std::set<std::string> NamesIn(const std::string& folder) {
  std::set<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

class LeftoverGuard : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override {
    workRoot_ = NamesIn(WorkRootPath());
    programFolder_ = NamesIn(App::Path());
  }

  void OnTestEnd(const ::testing::TestInfo& test) override {
    Check(test, WorkRootPath(), workRoot_, "the work root");
    Check(test, App::Path(), programFolder_, "the program's folder");
  }

 private:
  static void Check(const ::testing::TestInfo& test, const std::string& folder,
                    const std::set<std::string>& before, const char* what) {
    for (const std::string& name : NamesIn(folder)) {
      if (before.contains(name) || (name == kRootLock && folder == WorkRootPath())) continue;
      ADD_FAILURE() << test.test_suite_name() << "." << test.name() << " left " << name << " in "
                    << what << " (" << folder << "); removed";
      std::error_code ec;
      fs::remove_all(fs::path(folder) / name, ec);
    }
  }

  std::set<std::string> workRoot_;
  std::set<std::string> programFolder_;
};

class TestWorkRoot : public ::testing::Environment {
 public:
  void SetUp() override {
    cache_ = std::make_unique<TempDir>();
    SetVariable(kWorkRootVariable, cache_->Path().string());
    ::testing::UnitTest::GetInstance()->listeners().Append(new LeftoverGuard);
  }
  void TearDown() override { cache_.reset(); }

 private:
  std::unique_ptr<TempDir> cache_;
};

[[maybe_unused]] const auto* const kInstalled =
    ::testing::AddGlobalTestEnvironment(new TestWorkRoot);

}  // namespace
}  // namespace ferolan::testing
