// Standard output redirected to a file, as `ferolan-convert *.jad > compte-rendu.txt` does.
#include "app/convert/windows/ConsoleBuffer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

namespace ferolan::console {
namespace {

TEST(ConsoleBufferTest, AFileGetsUtf8WithCrLfLineEndsAndNoByteOrderMark) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("sortie-" + std::to_string(GetCurrentProcessId()) + ".txt");
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  const HANDLE saved = GetStdHandle(STD_OUTPUT_HANDLE);
  SetStdHandle(STD_OUTPUT_HANDLE, file);
  {
    ConsoleBuffer buffer(STD_OUTPUT_HANDLE);
    std::ostream out(&buffer);
    out << "Traitement termin\xc3" << std::flush << "\xa9.\nœ";  // é cut between two writes
  }
  SetStdHandle(STD_OUTPUT_HANDLE, saved);
  CloseHandle(file);
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "Traitement terminé.\r\nœ");
  in.close();
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace ferolan::console
