#include "tests/support/TempDir.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tests/support/System.h"

namespace ferolan::testing {

TempDir::TempDir() { path_ = MakeFreshFolder(); }

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(PathOf(path), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool MakeSymbolicLink(const std::string& target, const std::string& link) {
  std::error_code ec;
  if (std::filesystem::is_directory(PathOf(target), ec)) {
    std::filesystem::create_directory_symlink(PathOf(target), PathOf(link), ec);
  } else {
    std::filesystem::create_symlink(PathOf(target), PathOf(link), ec);
  }
  return !ec;
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(PathOf(path), ec);
}

std::string FullPathOf(const std::string& path) {
  return TextOf(std::filesystem::absolute(PathOf(path)));
}

}  // namespace ferolan::testing
