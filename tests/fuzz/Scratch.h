// A folder of the fuzzing process's own, where each input is written as a file for the code
// under test to read; removed when the process ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ferolan::fuzzing {

class Scratch {
 public:
  Scratch();
  ~Scratch();
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  // Replaces the file `name` with the input's bytes and answers its path.
  std::string Write(const std::string& name, const std::uint8_t* data, std::size_t size) const;
  // Empties the folder `name`, creating it if needed, and answers its path.
  std::string EmptyFolder(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace ferolan::fuzzing
