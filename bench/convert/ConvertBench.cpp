// Times one conversion of an export and reports its throughput and the process's peak memory.
//   bench_convert EXPORT.xml OUTPUT_FOLDER [--text]
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>

#include "engine/Module1.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/UserServices.h"

namespace {

// Answers the closing message without showing anything.
class SilentServices : public ferolan::UserServices {
 public:
  int ShowMessage(const std::string&, int, const std::string&) override { return ferolan::vbOK; }
  std::string AskText(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  void SetMousePointer(int) override {}
  void ProcessPendingEvents() override {}
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: " << argv[0] << " EXPORT.xml OUTPUT_FOLDER [--text]\n";
    return 2;
  }
  const std::filesystem::path exportPath = argv[1];
  const bool casimir = !(argc > 3 && std::string(argv[3]) == "--text");
  SilentServices services;
  ferolan::ServicesScope scope(services);
  ferolan::WorkBase = (exportPath.parent_path() / exportPath.stem()).string();
  ferolan::OutputPrefix = (std::filesystem::path(argv[2]) / exportPath.stem()).string();

  const auto start = std::chrono::steady_clock::now();
  try {
    ferolan::Module1::ConvertExport([casimir] { return casimir; });
  } catch (const ferolan::RuntimeError& error) {
    std::cerr << "Error: " << error.Description() << "\n";
    return 1;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const double megabytes = static_cast<double>(std::filesystem::file_size(exportPath)) / 1e6;
  std::cout << "seconds " << seconds << "\n"
            << "throughput_mb_s " << megabytes / seconds << "\n"
            << "peak_kib " << usage.ru_maxrss << "\n";
  return 0;
}
