// Every test program works in a work root of its own, made when it starts and removed when it
// ends: the tests never touch the user's cache, and parallel test programs never meet.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "tests/support/TempDir.h"

namespace ferolan::testing {
namespace {

class TestWorkRoot : public ::testing::Environment {
 public:
  void SetUp() override {
    cache_ = std::make_unique<TempDir>();
    ::setenv("XDG_CACHE_HOME", cache_->Path().c_str(), 1);
  }
  void TearDown() override { cache_.reset(); }

 private:
  std::unique_ptr<TempDir> cache_;
};

[[maybe_unused]] const auto* const kInstalled =
    ::testing::AddGlobalTestEnvironment(new TestWorkRoot);

}  // namespace
}  // namespace ferolan::testing
