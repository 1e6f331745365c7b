#include "tests/app/RequestFixture.h"

#include <filesystem>

#include "engine/Module1.h"
#include "tests/support/ExportBuilder.h"

namespace ferolan::testing {

RequestFixture::RequestFixture() {
  // Each test starts as the program does, before any request.
  ExportPath.clear();
  WorkBase.clear();
  OutputPrefix.clear();
}

std::string RequestFixture::Base(const std::string& suffix) const {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  return std::string(test->test_suite_name()) + "-" + test->name() + suffix;
}

std::string RequestFixture::MakeExport(const std::string& base, const std::string& xml) {
  return MakeExport(base, std::vector<ArchiveEntry>{{.name = base + ".xml", .data = xml}});
}

std::string RequestFixture::MakeExport(const std::string& base,
                                       const std::vector<ArchiveEntry>& entries) {
  const std::string path = dir / (base + ".jad");
  MakeArchive(path, entries);
  return path;
}

std::string RequestFixture::WorkFile(const std::string& ending) { return WorkBase + ending; }

std::string SmallExportXml() {
  return Export(Record("MARTIN--Paul (1)", "FRACE2-2005", "1190") +
                Record("MARTIN--Paul (1)", "MATCE2-2005", "901"));
}

}  // namespace ferolan::testing
