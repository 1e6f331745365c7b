// Extracts an archive the way the program does (Init, then Decompress into a folder) and prints
// how long each step took; bench/extract.sh compares it with other extractors.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/runtime/RuntimeError.h"
#include "platform/scripted/ScriptedServices.h"
#include "zip/ccZip.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ARCHIVE TARGET-FOLDER\n", argv[0]);
    return 2;
  }
  // Nothing should be asked: every question would be answered by the script's defaults.
  ferolan::ScriptedServices services;
  try {
    const auto start = std::chrono::steady_clock::now();
    auto zip = ferolan::ccZip::Create();
    zip->Init(argv[1]);
    const double listed = SecondsSince(start);
    const int32_t result = zip->Decompress(argv[2], "");
    const double total = SecondsSince(start);
    std::printf("init %.3f s, decompress %.3f s, %d entries listed\n", listed, total - listed,
                zip->count() / 2);
    if (result != 0) {
      std::fprintf(stderr, "result %d\n%s", result, zip->GetZipInfo().c_str());
      return 1;
    }
  } catch (const ferolan::RuntimeError& error) {
    std::fprintf(stderr, "error %ld: %s\n", error.Number(), error.Description().c_str());
    return 1;
  }
  return 0;
}
