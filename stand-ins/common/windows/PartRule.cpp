#include "stand-ins/common/PartRule.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace standin {

namespace {

// Names that open a device in every folder, with any extension.
constexpr std::array<std::string_view, 24> kDevices = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3",   "COM4",
    "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2",   "LPT3",
    "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9", "CONIN$", "CONOUT$"};

bool SameLetters(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

bool IsDevice(std::string_view part) {
  std::string_view base = part.substr(0, part.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  return std::any_of(kDevices.begin(), kDevices.end(),
                     [&](std::string_view device) { return SameLetters(base, device); });
}

// ":" would write a stream of another file; the others have no file at all.
bool IsForbidden(char c) {
  return static_cast<unsigned char>(c) < 0x20 ||
         std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
}

}  // namespace

std::string PartRefusal(std::string_view part) {
  if (IsDevice(part))
    return "« " + std::string(part) + " » est un nom de périphérique sous Windows";
  if (part.back() == '.' || part.back() == ' ') {
    return "un nom qui finit par un point ou une espace est raccourci par Windows";
  }
  if (std::any_of(part.begin(), part.end(), IsForbidden)) {
    return "caractère interdit dans un nom sous Windows";
  }
  return {};
}

}  // namespace standin
