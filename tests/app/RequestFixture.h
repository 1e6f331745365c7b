// What the application's tests share: exports made in a folder of their own, named after the
// test, and a look at the work folders that requests make.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/request/ConversionRequest.h"
#include "tests/support/TempDir.h"
#include "tests/support/WorkFolders.h"
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

  // A base name that no other test uses: the test's name and a suffix.
  std::string Base(const std::string& suffix = "") const;
  // An export named `base` + ".jad" in the test's folder, holding `xml` as `base` + ".xml".
  std::string MakeExport(const std::string& base, const std::string& xml);
  std::string MakeExport(const std::string& base, const std::vector<ArchiveEntry>& entries);
  // The last request's work file: WorkBase + `ending`.
  static std::string WorkFile(const std::string& ending = ".xml");

  TempDir dir;
};

// A small export in both protocols, and its French text result.
std::string SmallExportXml();
inline constexpr const char* kSmallExportFrenchText = "01;MARTIN;Paul ;1;1;9;0\r\n";

}  // namespace ferolan::testing
