// The libraries' French texts for libzip's errors, whichever libzip they are built with.
#include <gtest/gtest.h>
#include <zip.h>

#include <string>

#include "stand-ins/common/ZipErrorText.h"

namespace ferolan::testing {
namespace {

// libzip's own table says which codes exist; each must read in French, never as a bare number.
TEST(ZipErrorTextTest, EveryCodeLibzipKnowsHasAFrenchText) {
  int known = 0;
  for (int code = ZIP_ER_OK; code < 100; ++code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const std::string english = zip_error_strerror(&error);
    const std::string french = standin::ZipErrorText(&error);
    zip_error_fini(&error);
    if (english.starts_with("Unknown error")) continue;
    ++known;
    EXPECT_EQ(french.find("de la bibliothèque zip"), std::string::npos) << code << " : " << english;
  }
  EXPECT_GT(known, ZIP_ER_CANCELLED);
}

}  // namespace
}  // namespace ferolan::testing
