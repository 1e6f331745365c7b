#include "tests/platform/qt/QtTestSupport.h"

#include <memory>

#include "platform/qt/FrenchCatalogues.h"
#include "platform/qt/NoSettings.h"
#include "tests/support/TempDir.h"

namespace ferolan::testing {

namespace {

class QtApplication : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Should Qt's dialogs keep settings after all, they would land here, not in the user's.
    settings_ = std::make_unique<TempDir>();
    qputenv("XDG_CONFIG_HOME", settings_->Path().string().c_str());
    application_ = std::make_unique<QApplication>(argc_, argv_);
    // Qt as the program sets it up.
    qt::LoadFrenchCatalogues(*application_);
    qt::KeepNoQtSettings();
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
