// Runs a fuzz target once on each input named on the command line, or on each file of a named
// folder, for builds without the fuzzer: the targets then build with any compiler, and their
// seed corpora run as tests under the sanitizers of the build.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsIn(const fs::path& path) {
  if (!fs::is_directory(path)) return {path};
  std::vector<fs::path> inputs;
  for (const auto& entry : fs::directory_iterator(path)) {
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: " << argv[0] << " INPUT-OR-FOLDER...\n";
    return 2;
  }
  std::size_t run = 0;
  for (int i = 1; i < argc; ++i) {
    for (const fs::path& input : InputsIn(argv[i])) {
      std::ifstream in(input, std::ios::binary);
      if (!in) {
        std::cerr << "cannot read " << input << "\n";
        return 1;
      }
      const std::string bytes((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++run;
    }
  }
  std::cout << run << " inputs run\n";
  return run > 0 ? 0 : 1;
}
