#include "tests/platform/qt/QtTestSupport.h"

#include <memory>

#include "tests/support/TempDir.h"

namespace ferolan::testing {

namespace {

class QtApplication : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The file dialog keeps its history in the user's settings; these stay here.
    settings_ = std::make_unique<TempDir>();
    qputenv("XDG_CONFIG_HOME", settings_->Path().string().c_str());
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override {
    application_.reset();
    settings_.reset();
  }

 private:
  int argc_ = 1;
  char name_[9] = "qt_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<TempDir> settings_;
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] const ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace

}  // namespace ferolan::testing
