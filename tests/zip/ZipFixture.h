// What the archive tests share: scripted user services, a fresh folder with an empty target
// folder in it, the binding's process-wide state reset around each test, and archive making.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/scripted/ScriptedServices.h"
#include "tests/support/TempDir.h"
#include "tests/zip/ArchiveMaker.h"
#include "zip/ccZip.h"
#include "zip/mZipDLLProc.h"

namespace ferolan::testing {

class ZipTest : public ::testing::Test {
 protected:
  ZipTest();
  ~ZipTest() override;

  // Makes the archive "archive.zip" in the test's folder and returns its path.
  std::string Archive(const std::vector<ArchiveEntry>& entries, const std::string& comment = {});
  // One library call on `archive` into the target folder with the given settings, as ccZip's
  // passes make it.
  int32_t Unzip(const std::string& archive, const mZipDLLProc::UnzipSettings& settings);
  // One call of the zip library adding `paths` to `archive`, with the options in zipOptions.
  static int32_t Zip(const std::string& archive, const std::vector<std::string>& paths);
  // The names in a folder, hidden ones included.
  static std::set<std::string> Listing(const std::string& folder);

  ScriptedServices services;
  TempDir dir;
  const std::string target;
};

}  // namespace ferolan::testing
