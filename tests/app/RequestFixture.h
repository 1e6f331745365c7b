// What the application's tests share: exports made in a folder of their own, with base names
// of their own so that their work files in the program's folder meet no other test's, and
// those work files removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ConversionRequest.h"
#include "tests/support/TempDir.h"
#include "tests/zip/ArchiveMaker.h"

namespace ferolan::testing {

// The hidden text box of the window, for requests run without a window.
class TextBox : public FileNameBox {
 public:
  std::string Text() const override { return text; }
  void SetText(const std::string& value) override { text = value; }
  std::string text;
};

class RequestFixture : public ::testing::Test {
 protected:
  RequestFixture();
  ~RequestFixture() override;

  // A base name that no other test uses: the test's name and a suffix.
  std::string Base(const std::string& suffix = "") const;
  // An export named `base` + ".jad" in the test's folder, holding `xml` as `base` + ".xml".
  std::string MakeExport(const std::string& base, const std::string& xml);
  std::string MakeExport(const std::string& base, const std::vector<ArchiveEntry>& entries);
  // The program folder's work file `base` + `ending`.
  std::string WorkFile(const std::string& base, const std::string& ending = ".xml") const;

  TempDir dir;

 private:
  std::vector<std::string> bases_;
};

// A small export in both protocols, and its French text result.
std::string SmallExportXml();
inline constexpr const char* kSmallExportFrenchText = "01;MARTIN;Paul ;1;1;9;0\r\n";

}  // namespace ferolan::testing
