#include "tests/fuzz/Scratch.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace ferolan::fuzzing {

Scratch::Scratch() {
  std::string pattern = (std::filesystem::temp_directory_path() / "ferolan-fuzz-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
  path_ = pattern;
}

Scratch::~Scratch() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string Scratch::Write(const std::string& name, const std::uint8_t* data,
                           std::size_t size) const {
  const std::string path = *this / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
  return path;
}

std::string Scratch::EmptyFolder(const std::string& name) const {
  const std::string path = *this / name;
  std::filesystem::remove_all(path);
  std::filesystem::create_directory(path);
  return path;
}

}  // namespace ferolan::fuzzing
