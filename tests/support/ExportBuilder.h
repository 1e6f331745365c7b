// Builds exports as J'ADE writes them, for the tests, the fuzz seeds and the fixtures, and the
// result lines the conversion should make of them.
#pragma once

#include <string>
#include <string_view>

namespace ferolan::testing {

// What comes before the records of an export and after them. The closing tag is long enough
// for the scan to read past it.
inline constexpr std::string_view kExportHead =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<JADE_EXPORTATION>\r\n";
inline constexpr std::string_view kExportTail = "</JADE_EXPORTATION>\r\n";

// One pupil record with its three tags, indented on lines of their own.
inline std::string Record(const std::string& pupil, const std::string& protocol,
                          const std::string& codes) {
  return "  <MELEVE>\r\n    <MELEVE_MID>" + pupil + "</MELEVE_MID>\r\n    <MPROTOCOLE_MNOM>" +
         protocol + "</MPROTOCOLE_MNOM>\r\n    <MCODES>" + codes + "</MCODES>\r\n  </MELEVE>\r\n";
}

// A whole export around `body`.
inline std::string Export(const std::string& body) {
  return std::string(kExportHead) + body + std::string(kExportTail);
}

// Text padded with spaces to `width` bytes.
inline std::string Pad(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

// A casimir result line.
inline std::string CasimirLine(const std::string& number, const std::string& surname,
                               const std::string& firstName, const std::string& codes) {
  return number + Pad(surname, 25) + Pad(firstName, 15) + Pad(codes, 250) + "\r\n";
}

// A text result line; the surname field is left out when `surname` is absent.
inline std::string TextLine(const std::string& number, const std::string& names,
                            const std::string& codes) {
  std::string line = number + names;
  for (const char code : codes) line += std::string(";") + code;
  return line + "\r\n";
}

}  // namespace ferolan::testing
